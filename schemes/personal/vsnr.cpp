#include "schemes/personal/vsnr.h"

#include <array>

#include "schemes/general/luhn.h"
#include "shell/checked.h"
#include "shell/text.h"

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

std::int16_t VSNR::Calculate(std::string_view code) {
  const std::string body = Normalise(code);
  if (body.size() == kBodyLength) Compute(body);
  return check_digit_;
}

bool VSNR::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != kBodyLength + 1) return false;
  if (!Compute(std::string_view(text).substr(0, kBodyLength))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string VSNR::Normalise(std::string_view code) {
  birth_date_ = std::int16_t{0};
  check_digit_ = -1;
  gender_ = 0;
  region_code_ = std::int16_t{0};
  registrant_letter_.clear();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool VSNR::Compute(std::string_view body) {
  birth_date_ = body.substr(2, 6);
  const auto serial = ParseDecimal16(body.substr(9, 2));
  if (!serial) return false;
  gender_ = *serial < kFirstFemaleSerial ? 1 : 2;
  region_code_ = body.substr(0, 2);
  registrant_letter_.assign(1, body[kLetterPosition]);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kBodyLength; ++p) {
    const char c = body[p];
    if (p == kLetterPosition) {
      // The alphabet position's tens digit (0 to 2) is weighted 2, its units
      // digit 1; the products stay single digits.
      if (!IsUpperLetter(c)) return false;
      const int v = c - 'A' + 1;
      sum += Int16(kWeights[p]) * (v / 10) + Int16(kWeights[p + 1]) * (v % 10);
    } else {
      if (!IsDigit(c)) return false;
      // The letter's two digits shift the serial digits one entry on.
      const std::int16_t weight = kWeights[p < kLetterPosition ? p : p + 1];
      sum += DigitSum(static_cast<std::uint8_t>(weight * DigitValue(c)));
    }
  }
  if (!sum.ok()) return false;
  check_digit_ = static_cast<std::int16_t>(sum.value() % 10);
  return true;
}

}  // namespace numerant
