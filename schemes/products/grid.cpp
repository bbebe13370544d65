// SPDX-License-Identifier: MIT
#include "schemes/products/grid.h"

#include <cstddef>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 17;

// The check character for a final product p from 1 to 36: the character
// whose value is (37 - p) mod 36. Position 0 stands for p = 1.
constexpr std::string_view kCheckCharacters = "0ZYXWVUTSRQPONMLKJIHGFEDCBA987654321";

// "0" to "9" count 0 to 9, "A" to "Z" 10 to 35; -1 for anything else.
int CharacterValue(char c) {
  if (IsDigit(c)) return DigitValue(c);
  if (IsUpperLetter(c)) return c - 'A' + 10;
  return -1;
}

}  // namespace

GRid::GRid()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength),
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> GRid::ComputeCheckDigit(std::string_view payload) {
  // Cut before any character is tested, so a rejected identifier still shows
  // its parts.
  fields_.identifier_scheme = Characters(payload, 1, 2);
  fields_.issue_code = Characters(payload, 3, 7);
  fields_.release_number = Characters(payload, 8, 17);

  // Starting at 18 makes the first product 2 x 18 mod 37 = 36. As t stays
  // within 1 to 36 and a value within 0 to 35, 2t is below 2 x 37 and
  // value + product below 2 x 36: each remainder is at most one subtraction.
  unsigned previous = 18;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const int value = CharacterValue(payload[i]);
    if (value < 0) return RejectCharacter(i);
    unsigned product = previous * 2;
    if (product >= 37) product -= 37;
    unsigned t = static_cast<unsigned>(value) + product;
    if (t >= 36) t -= 36;
    if (t == 0) t = 36;
    previous = t;
  }
  unsigned product = previous * 2;
  if (product >= 37) product -= 37;
  if (product < 1) return std::nullopt;
  return std::string(1, kCheckCharacters[product - 1]);
}

}  // namespace numerant
