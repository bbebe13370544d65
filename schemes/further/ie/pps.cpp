// SPDX-License-Identifier: MIT
#include "schemes/further/ie/pps.h"

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 7;

// The value of a second letter; -1 for a letter that may not stand there.
int SecondLetterValue(char letter) {
  switch (letter) {
    case 'A':
      return 1;
    case 'B':
      return 2;
    case 'H':
      return 8;
    case 'W':
    case 'T':
    case 'X':
      return 0;
    default:
      return -1;
  }
}

}  // namespace

IePps::IePps()
    : CheckLetterNumber({.separators = " -",
                         .upper_case = true,
                         .payload_letters = true,
                         .payload_lengths = {{kDigits, kDigits + 1}},
                         .check_characters = CheckCharacters::kLetters,
                         .check_place = kDigits},
                        {.letters = kIrishCheckLetters}) {}

// The seven digits weigh 8 to 2 and a second letter 9; its field is read
// once the digits are.
std::int64_t IePps::LetterNumber(std::string_view payload) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < kDigits && i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return NoNumberAt(i);
    sum += static_cast<std::uint32_t>(DigitValue(payload[i])) *
           static_cast<std::uint32_t>(kDigits + 1 - i);
  }
  if (payload.size() > kDigits) {
    const int value = SecondLetterValue(payload[kDigits]);
    if (value < 0) return NoNumberAt(kDigits);
    fields_.second_letter = payload.substr(kDigits, 1);
    sum += 9 * static_cast<std::uint32_t>(value);
  }
  return sum;
}

}  // namespace numerant
