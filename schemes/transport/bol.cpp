// SPDX-License-Identifier: MIT
#include "schemes/transport/bol.h"

#include <cstddef>

#include "core/alternating_weights.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 16;

}  // namespace

BOL::BOL()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

std::optional<std::int16_t> BOL::ComputeCheckDigit(std::string_view payload) {
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
