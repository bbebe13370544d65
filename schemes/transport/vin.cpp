// SPDX-License-Identifier: MIT
#include "schemes/transport/vin.h"

#include <array>
#include <cstddef>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

// The weights of positions 1-8 and 10-17; the check position carries none.
constexpr std::array<std::int16_t, 16> kWeights{8, 7, 6, 5, 4, 3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2};

// The check character is the ninth: place 8, counted from 0.
constexpr std::size_t kCheckPlace = 8;

// The remainder modulo 11 as check character.
constexpr std::string_view kCheckCharacters = "0123456789X";

// The transliteration of "A" to "Z"; -1 marks I, O and Q, which a VIN never
// holds because they are too easily read as 1 and 0.
constexpr std::array<std::int8_t, 26> kLetterValues{
    1, 2, 3, 4, 5, 6,  7, 8,  -1,  // A-I
    1, 2, 3, 4, 5, -1, 7, -1, 9,   // J-R
    2, 3, 4, 5, 6, 7,  8, 9,       // S-Z
};

// The value of a character of the number, or -1 when it may not appear.
int CharacterValue(char c) {
  if (IsDigit(c)) return DigitValue(c);
  if (IsUpperLetter(c)) return kLetterValues[static_cast<std::size_t>(c - 'A')];
  return -1;
}

}  // namespace

VIN::VIN()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kWeights.size()),
                        .check_characters = CheckCharacters::kDigitsAndLetters,
                        .check_place = kCheckPlace}) {}

std::optional<std::string> VIN::ComputeCheckDigit(std::string_view payload) {
  // The fields come from their positions whether or not the characters are
  // valid, so a rejected number still shows how it was read. Counted in the
  // payload, without the check character.
  fields_.country_code = Characters(payload, 1, 2);
  fields_.manufacturer_code = Characters(payload, 3, 4);
  fields_.equipment_codes = Characters(payload, 5, 8);
  fields_.year_code = Characters(payload, 9, 9);
  fields_.plant_code = Characters(payload, 10, 10);
  fields_.serial_number = Characters(payload, 11, 16);

  // At most 16 terms of at most 9 x 10: the sum stays far inside 16 bits.
  int sum = 0;
  for (std::size_t i = 0; i < payload.size() && i < kWeights.size(); ++i) {
    const int value = CharacterValue(payload[i]);
    if (value < 0) return RejectCharacter(i);
    sum += value * kWeights[i];
  }
  return std::string(1, kCheckCharacters[static_cast<std::size_t>(sum % 11)]);
}

}  // namespace numerant
