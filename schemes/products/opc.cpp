// SPDX-License-Identifier: MIT
#include "schemes/products/opc.h"

#include <cstddef>

#include "core/alternating_weights.h"
#include "core/characters.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 9;

}  // namespace

OPC::OPC()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

// The fields are cut before any digit is tested.
std::optional<std::int16_t> OPC::ComputeCheckDigit(std::string_view payload) {
  fields_.manufacturer_code = Characters(payload, 1, 5);
  fields_.product_code = Characters(payload, 6, 9);
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
