// SPDX-License-Identifier: MIT
#include "schemes/further/es/nie.h"

#include <string>

#include "core/text.h"

namespace numerant {

std::optional<std::string> NieCheckLetter(std::string_view payload, DNI& dni) {
  // X, Y and Z stand for 0, 1 and 2 before the seven digits.
  const char first = payload.front();
  if (first != 'X' && first != 'Y' && first != 'Z') return std::nullopt;
  std::string digits(payload);
  digits.front() = static_cast<char>('0' + (first - 'X'));
  std::string letter = dni.Calculate(digits);
  if (letter.empty()) return std::nullopt;
  return letter;
}

EsNie::EsNie()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"ES"},
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(8),
                        .check_characters = CheckCharacters::kLetters}) {}

std::optional<std::string> EsNie::ComputeCheckDigit(std::string_view payload) {
  if (auto letter = NieCheckLetter(payload, dni_)) return letter;
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  return RejectCharacter(0);
}

}  // namespace numerant
