#include "schemes/business/eur.h"

#include <array>

#include "schemes/general/luhn.h"
#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// Entry i brings a sum of i modulo 9 to 8 modulo 9. A sum already at 8 takes
// 9, not 0.
constexpr std::array<std::int16_t, 9> kCheckDigits{8, 7, 6, 5, 4, 3, 2, 1, 9};

constexpr std::size_t kStemLength = 11;

}  // namespace

std::int16_t EUR::Calculate(std::string_view code) {
  const std::string stem = Normalise(code);
  if (stem.size() == kStemLength) Compute(stem);
  return check_digit_;
}

bool EUR::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != kStemLength + 1) return false;
  if (!Compute(std::string_view(text).substr(0, kStemLength))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string EUR::Normalise(std::string_view code) {
  check_digit_ = -1;
  country_code_.clear();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool EUR::Compute(std::string_view stem) {
  if (stem.empty() || !IsUpperLetter(stem.front())) return false;
  country_code_.assign(1, stem.front());
  // The letter's place in the alphabet, reduced once: "S" (19) counts 10.
  Int16 sum = DigitSum(static_cast<std::uint8_t>(stem.front() - 'A' + 1));
  for (char c : stem.substr(1)) {
    if (!IsDigit(c)) return false;
    sum += DigitValue(c);
  }
  if (!sum.ok()) return false;
  check_digit_ = kCheckDigits[static_cast<std::size_t>(sum.value() % 9)];
  return true;
}

}  // namespace numerant
