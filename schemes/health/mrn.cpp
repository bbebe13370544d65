// SPDX-License-Identifier: MIT
#include "schemes/health/mrn.h"

#include <cstddef>

#include "core/checked.h"
#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

// What a character counts: its code minus the code of "0", negative below
// "0".
int CharacterValue(char c) {
  return static_cast<unsigned char>(c) - '0';
}

// 2v - 9 (v div 5): for a digit the digit sum of its double.
Int16 Doubled(int value) {
  return Int16(2 * value - 9 * (value / 5));
}

}  // namespace

MRN::MRN()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> MRN::ComputeCheckDigit(std::string_view payload) {
  // The last character of the payload is always doubled.
  bool doubled = payload.size() % 2 == 1;
  Int16 sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const int value = CharacterValue(payload[i]);
    if (doubled) {
      // A character below "0" cannot be doubled; undoubled, it lowers the sum.
      if (value < 0) return RejectCharacter(i);
      sum += Doubled(value);
    } else {
      sum += value;
    }
    doubled = !doubled;
  }
  // A sum below 0 that is no multiple of 10 has no check digit, nor has one
  // beyond the 16-bit range.
  const Int16 remainder = sum % 10;
  if (!remainder.ok() || remainder.value() < 0) return std::nullopt;
  return kTenMinusRemainder[static_cast<std::size_t>(remainder.value())];
}

}  // namespace numerant
