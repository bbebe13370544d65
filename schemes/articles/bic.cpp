#include "schemes/articles/bic.h"

#include <array>

#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

// The remainder modulo 11 as check digit; a remainder of 10 gives 0.
constexpr std::array<std::int16_t, 11> kRemainders{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};

// Position i weighs 2 to the power i.
constexpr std::array<std::int16_t, 10> kWeights{1, 2, 4, 8, 16, 32, 64, 128, 256, 512};

// "A" to "Z" count from 10 upwards, skipping the multiples of 11.
constexpr std::array<std::int16_t, 26> kLetterValues{
    10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24,  // A-M
    25, 26, 27, 28, 29, 30, 31, 32, 34, 35, 36, 37, 38,  // N-Z
};

constexpr std::size_t kLetters = 4;
constexpr std::string_view kCategories = "UJZ";

}  // namespace

BIC::BIC() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool BIC::AcceptsStemLength(std::size_t length) const {
  return length == kWeights.size();
}

void BIC::ResetFields() {
  category_code_.clear();
  owner_code_.clear();
  serial_number_ = std::int16_t{0};
}

std::optional<std::int16_t> BIC::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kWeights.size()) return std::nullopt;
  // Without a known category letter the code is not read at all.
  if (kCategories.find(payload[kLetters - 1]) == std::string_view::npos) return std::nullopt;
  category_code_ = Characters(payload, 1, kLetters - 1);
  owner_code_ = Characters(payload, kLetters, kLetters);
  serial_number_ = Characters(payload, kLetters + 1, payload.size());

  Int16 sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    if (i < kLetters) {
      if (!IsUpperLetter(c)) return std::nullopt;
      sum += kLetterValues[static_cast<std::size_t>(c - 'A')] * Int16(kWeights[i]);
    } else {
      if (!IsDigit(c)) return std::nullopt;
      sum += Int16(DigitValue(c)) * kWeights[i];
    }
  }
  if (!sum.ok()) return std::nullopt;
  return kRemainders[static_cast<std::size_t>(sum.value() % 11)];
}

}  // namespace numerant
