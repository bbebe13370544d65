#include "schemes/business/decimal_check_digit.h"

#include "shell/text.h"

namespace numerant {

std::int16_t DecimalCheckDigitNumber::Calculate(std::string_view number) {
  const std::string stem = Normalise(number);
  if (AcceptsStemLength(stem.size())) {
    if (const auto computed = ComputeCheckDigit(stem)) check_digit_ = *computed;
  }
  return check_digit_;
}

bool DecimalCheckDigitNumber::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.empty() || !AcceptsStemLength(text.size() - 1)) return false;
  const auto computed = ComputeCheckDigit(std::string_view(text).substr(0, text.size() - 1));
  if (!computed) return false;
  check_digit_ = *computed;
  return DigitMatches(text.back(), check_digit_);
}

std::string DecimalCheckDigitNumber::Normalise(std::string_view number) {
  check_digit_ = -1;
  ResetFields();
  std::string text = RemoveSeparators(number, normalising_.separators);
  if (normalising_.upper_case) ToUpperInPlace(text);
  return text;
}

}  // namespace numerant
