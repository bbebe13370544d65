#include "schemes/personal/vsnr.h"

#include <array>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBodyLength = 11;
// Entries 0 to 7 weigh the region and birth-date digits, 8 and 9 the two
// digits of the letter's alphabet position, 10 and 11 the serial digits.
constexpr std::array<std::int16_t, 12> kWeights = {2, 1, 2, 5, 7, 1, 2, 1, 2, 1, 2, 1};
constexpr std::size_t kLetterPosition = 8;
// Serials 00 to 49 are given to men, 50 to 99 to women.
constexpr int kFirstFemaleSerial = 50;

}  // namespace

VSNR::VSNR() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool VSNR::AcceptsStemLength(std::size_t length) const {
  return length == kBodyLength;
}

void VSNR::ResetFields() {
  birth_date_ = std::int16_t{0};
  gender_ = 0;
  region_code_ = std::int16_t{0};
  registrant_letter_.clear();
}

std::optional<std::int16_t> VSNR::ComputeCheckDigit(std::string_view body) {
  birth_date_ = Characters(body, 3, 8);
  const auto serial = ParseDecimal16(Characters(body, 10, 11));
  if (!serial) return std::nullopt;
  gender_ = *serial < kFirstFemaleSerial ? 1 : 2;
  region_code_ = Characters(body, 1, 2);
  registrant_letter_ = Characters(body, kLetterPosition + 1, kLetterPosition + 1);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kBodyLength; ++p) {
    const char c = body[p];
    if (p == kLetterPosition) {
      // The alphabet position's tens digit (0 to 2) is weighted 2, its units
      // digit 1; the products stay single digits.
      if (!IsUpperLetter(c)) return std::nullopt;
      const int v = c - 'A' + 1;
      sum += Int16(kWeights[p]) * (v / 10) + Int16(kWeights[p + 1]) * (v % 10);
    } else {
      if (!IsDigit(c)) return std::nullopt;
      // The letter's two digits shift the serial digits one entry on.
      const std::int16_t weight = kWeights[p < kLetterPosition ? p : p + 1];
      sum += DigitSum(static_cast<std::uint8_t>(weight * DigitValue(c)));
    }
  }
  if (!sum.ok()) return std::nullopt;
  return static_cast<std::int16_t>(sum.value() % 10);
}

}  // namespace numerant
