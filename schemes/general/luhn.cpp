// SPDX-License-Identifier: MIT
#include "schemes/general/luhn.h"

#include "core/alternating_weights.h"
#include "core/whole_number.h"

namespace numerant {

bool Luhn::IsValid(std::string_view number) {
  if (const auto valid = whole::LuhnValid(number)) return *valid;
  return CheckDigitNumber::IsValid(number);
}

Luhn::Luhn() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Luhn::ComputeCheckDigit(std::string_view payload) {
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
