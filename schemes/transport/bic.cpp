// SPDX-License-Identifier: MIT
#include "schemes/transport/bic.h"

#include <array>
#include <cstddef>

#include "core/characters.h"
#include "core/checked.h"
#include "core/families/remainder_tables.h"
#include "core/text.h"

namespace numerant {
namespace {

// "A" to "Z" count from 10 upwards, skipping the multiples of 11.
constexpr std::array<std::int16_t, 26> kLetterValues{
    10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24,  // A-M
    25, 26, 27, 28, 29, 30, 31, 32, 34, 35, 36, 37, 38,  // N-Z
};

// Place i weighs 2 to the power i.
constexpr std::array<std::int16_t, 10> kWeights{1, 2, 4, 8, 16, 32, 64, 128, 256, 512};

// Four letters, the last of them the category, then the serial digits.
constexpr std::size_t kLetters = 4;
constexpr std::size_t kCategoryPlace = kLetters - 1;
constexpr std::string_view kCategories = "UJZ";

}  // namespace

BIC::BIC()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kWeights.size())}) {}

std::optional<std::int16_t> BIC::ComputeCheckDigit(std::string_view payload) {
  // Without a known category letter the code is not read at all.
  if (kCategories.find(payload[kCategoryPlace]) == std::string_view::npos) {
    return RejectCharacter(kCategoryPlace);
  }
  fields_.category_code = Characters(payload, 1, kLetters - 1);
  fields_.owner_code = Characters(payload, kLetters, kLetters);
  fields_.serial_number = Characters(payload, kLetters + 1, payload.size());

  Int16 sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    if (i < kLetters) {
      if (!IsUpperLetter(c)) return RejectCharacter(i);
      sum += kLetterValues[static_cast<std::size_t>(c - 'A')] * Int16(kWeights[i]);
    } else {
      if (!IsDigit(c)) return RejectCharacter(i);
      sum += Int16(DigitValue(c)) * kWeights[i];
    }
  }
  if (!sum.ok()) return std::nullopt;
  return kRemainderOf11TenAsZero[static_cast<std::size_t>(sum.value() % 11)];
}

}  // namespace numerant
