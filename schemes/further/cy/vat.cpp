// SPDX-License-Identifier: MIT
#include "schemes/further/cy/vat.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

// What a digit in an odd place counts.
constexpr std::array<int, 10> kOddPlaceValue{1, 0, 5, 7, 9, 13, 15, 17, 19, 21};

}  // namespace

CyVat::CyVat()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"CY"},
                        .payload_lengths = Lengths::Exactly(8),
                        .check_characters = CheckCharacters::kLetters}) {}

std::optional<std::string> CyVat::ComputeCheckDigit(std::string_view payload) {
  // No number starts with 12.
  if (payload.starts_with("12")) return RejectCharacter(1);
  int sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    const int digit = DigitValue(payload[i]);
    sum += i % 2 == 0 ? kOddPlaceValue[static_cast<std::size_t>(digit)] : digit;
  }
  return std::string(1, static_cast<char>('A' + sum % 26));
}

}  // namespace numerant
