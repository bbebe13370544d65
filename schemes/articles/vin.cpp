#include "schemes/articles/vin.h"

#include <array>
#include <cstdint>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// The weights of positions 1-8 and 10-17; the check position carries none.
constexpr std::array<std::int16_t, 16> kWeights{8, 7, 6, 5, 4, 3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2};

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

std::string VIN::Calculate(std::string_view code) {
  const std::string stem = Normalise(code);
  if (stem.size() == kWeights.size()) Compute(stem);
  return check_digit_;
}

bool VIN::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != kWeights.size() + 1) return false;
  const std::string_view whole(text);
  const std::string stem = std::string(whole.substr(0, 8)).append(whole.substr(9));
  if (!Compute(stem)) return false;
  return check_digit_ == whole.substr(8, 1);
}

std::string VIN::Normalise(std::string_view code) {
  check_digit_.clear();
  country_code_.clear();
  equipment_codes_.clear();
  manufacturer_code_.clear();
  plant_code_.clear();
  serial_number_ = std::int16_t{0};
  year_code_.clear();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool VIN::Compute(std::string_view stem) {
  if (stem.size() != kWeights.size()) return false;
  // The fields come from their positions whether or not the characters are
  // valid, so a rejected number still shows how it was read.
  country_code_ = stem.substr(0, 2);
  manufacturer_code_ = stem.substr(2, 2);
  equipment_codes_ = stem.substr(4, 4);
  year_code_.assign(1, stem[8]);
  plant_code_.assign(1, stem[9]);
  serial_number_ = stem.substr(10, 6);

  Int16 sum = 0;
  for (std::size_t i = 0; i < stem.size(); ++i) {
    const int value = CharacterValue(stem[i]);
    if (value < 0) return false;
    sum += Int16(value) * kWeights[i];
  }
  if (!sum.ok()) return false;
  check_digit_.assign(1, kCheckCharacters[static_cast<std::size_t>(sum.value() % 11)]);
  return true;
}

}  // namespace numerant
