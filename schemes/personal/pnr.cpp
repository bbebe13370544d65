#include "schemes/personal/pnr.h"

#include <array>
#include <cstddef>

#include "shell/text.h"

namespace numerant {
namespace {

// Indexed by the parity of the last serial digit.
constexpr std::array<std::int32_t, 2> kGenderByParity{2, 1};

constexpr std::size_t kBodyLength = 9;
constexpr std::size_t kBirthDateLength = 6;

}  // namespace

std::int16_t PNR::Calculate(std::string_view number) {
  const std::string body = Normalise(number);
  if (body.size() == kBodyLength) Compute(body);
  return check_digit_;
}

bool PNR::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.size() != kBodyLength + 1) return false;
  if (!Compute(std::string_view(text).substr(0, kBodyLength))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string PNR::Normalise(std::string_view number) {
  check_digit_ = -1;
  gender_ = 0;
  birth_date_ = std::int16_t{0};
  return RemoveSeparators(number, " -");
}

bool PNR::Compute(std::string_view body) {
  // The fields are read before the Luhn object sees the digits, so a number
  // with a bad digit still shows its birth date and sex.
  birth_date_ = body.substr(0, kBirthDateLength);
  const char sex_digit = body.back();
  if (!IsDigit(sex_digit)) return false;
  gender_ = kGenderByParity[static_cast<std::size_t>(DigitValue(sex_digit) % 2)];
  if (!luhn_) luhn_.emplace();
  if (luhn_->Calculate(body) == -1) return false;
  check_digit_ = luhn_->CheckDigit();
  return true;
}

}  // namespace numerant
