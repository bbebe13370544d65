// SPDX-License-Identifier: MIT
#include "schemes/further/ie/vat.h"

#include <string>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 7;

}  // namespace

IeVat::IeVat()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"IE"},
                        .payload_letters = true,
                        .payload_lengths = {{kDigits, kDigits + 1}},
                        .check_characters = CheckCharacters::kLetters,
                        .check_place = kDigits}) {}

std::optional<std::string> IeVat::ComputeCheckDigit(std::string_view payload) {
  if (!IsDigit(payload.front())) return RejectCharacter(0);
  const char second = payload[1];
  if (IsDigit(second)) {
    fields_.kind = "new";
    for (std::size_t i = 0; i < kDigits; ++i) {
      if (!IsDigit(payload[i])) return RejectCharacter(i);
    }
    std::string check_letter = pps_.Calculate(payload);
    if (check_letter.empty()) return RejectCharacter(kDigits);
    return check_letter;
  }
  // The old form: a digit, a letter, "+" or "*", five digits; reckoned as
  // the new form's seven digits "0", the five and the first.
  fields_.kind = "old";
  if (!IsUpperLetter(second) && second != '+' && second != '*') return RejectCharacter(1);
  if (payload.size() != kDigits) return RejectCharacter(kDigits);
  std::string digits = "0";
  for (std::size_t i = 2; i < kDigits; ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    digits += payload[i];
  }
  digits += payload.front();
  return pps_.Calculate(digits);
}

}  // namespace numerant
