// SPDX-License-Identifier: MIT
#include "schemes/further/es/nie.h"

#include "core/text.h"

namespace numerant {

EsNie::EsNie()
    : CheckLetterNumber({.separators = " -",
                         .upper_case = true,
                         .prefixes = {"ES"},
                         .payload_letters = true,
                         .payload_lengths = Lengths::Exactly(8),
                         .check_characters = CheckCharacters::kLetters},
                        {.letters = kSpanishCheckLetters}) {}

// X, Y and Z stand for 0, 1 and 2 before the seven digits; the eight make
// the number a DNI's letter is taken of.
std::int64_t EsNie::LetterNumber(std::string_view payload) {
  std::uint32_t number = 0;
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return NoNumberAt(i);
    number = number * 10 + static_cast<std::uint32_t>(DigitValue(payload[i]));
  }
  const char first = payload.front();
  if (first != 'X' && first != 'Y' && first != 'Z') return NoNumberAt(0);
  // Seven digits: at most 29,999,999.
  return static_cast<std::uint32_t>(first - 'X') * 10'000'000 + number;
}

}  // namespace numerant
