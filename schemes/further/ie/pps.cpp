// SPDX-License-Identifier: MIT
#include "schemes/further/ie/pps.h"

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 7;

// The letter of each remainder modulo 23: "W" for 0, then "A" to "V".
constexpr std::string_view kLetters = "WABCDEFGHIJKLMNOPQRSTUV";
static_assert(kLetters.size() == 23);

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
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = {{kDigits, kDigits + 1}},
                        .check_characters = CheckCharacters::kLetters,
                        .check_place = kDigits}) {}

std::optional<std::string> IePps::ComputeCheckDigit(std::string_view payload) {
  int sum = 0;
  for (std::size_t i = 0; i < kDigits && i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    sum += DigitValue(payload[i]) * static_cast<int>(kDigits + 1 - i);
  }
  if (payload.size() > kDigits) {
    const int value = SecondLetterValue(payload[kDigits]);
    if (value < 0) return RejectCharacter(kDigits);
    fields_.second_letter = payload.substr(kDigits, 1);
    sum += 9 * value;
  }
  return std::string(1, kLetters[static_cast<std::size_t>(sum % 23)]);
}

}  // namespace numerant
