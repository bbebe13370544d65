// SPDX-License-Identifier: MIT
#include "schemes/transport/uic.h"

#include <cstddef>

#include "core/alternating_weights.h"
#include "core/characters.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 11;

}  // namespace

// No upper-casing: only digits are accepted anyway.
UIC::UIC()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

// Cut before the digits are tested, so a rejected number still shows its
// parts.
std::optional<std::int16_t> UIC::ComputeCheckDigit(std::string_view payload) {
  fields_.type_code = Characters(payload, 1, 2);
  fields_.country_code = Characters(payload, 3, 4);
  fields_.type_number = Characters(payload, 5, 8);
  fields_.serial_number = Characters(payload, 9, 11);
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
