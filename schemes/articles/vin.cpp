#include "schemes/articles/vin.h"

#include <array>
#include <cstdint>

#include "core/characters.h"
#include "core/checked.h"
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
    : CheckDigitNumber({.separators = " -", .upper_case = true, .check_place = kCheckPlace}) {}

bool VIN::AcceptsStemLength(std::size_t length) const {
  return length == kWeights.size();
}

void VIN::ResetFields() {
  country_code_.clear();
  equipment_codes_.clear();
  manufacturer_code_.clear();
  plant_code_.clear();
  serial_number_ = std::int16_t{0};
  year_code_.clear();
}

std::optional<std::string> VIN::ComputeCheckDigit(std::string_view stem) {
  // The fields come from their positions whether or not the characters are
  // valid, so a rejected number still shows how it was read.
  country_code_ = Characters(stem, 1, 2);
  manufacturer_code_ = Characters(stem, 3, 4);
  equipment_codes_ = Characters(stem, 5, 8);
  year_code_ = Characters(stem, 9, 9);
  plant_code_ = Characters(stem, 10, 10);
  serial_number_ = Characters(stem, 11, 16);

  Int16 sum = 0;
  for (std::size_t i = 0; i < stem.size() && i < kWeights.size(); ++i) {
    const int value = CharacterValue(stem[i]);
    if (value < 0) return std::nullopt;
    sum += Int16(value) * kWeights[i];
  }
  if (!sum.ok()) return std::nullopt;
  return std::string(1, kCheckCharacters[static_cast<std::size_t>(sum.value() % 11)]);
}

}  // namespace numerant
