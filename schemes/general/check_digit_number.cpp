#include "schemes/general/check_digit_number.h"

#include <algorithm>

#include "shell/text.h"

namespace numerant {
namespace {

bool Matches(std::int16_t check_digit, std::string_view text) {
  return text.size() == 1 && DigitMatches(text.front(), check_digit);
}
bool Matches(const std::string& check_digit, std::string_view text) {
  return check_digit == text;
}
bool Matches(const FieldValue& check_digit, std::string_view text) {
  return check_digit == text;
}

}  // namespace

template <typename Value>
Value CheckDigitNumber<Value>::Calculate(std::string_view number) {
  const std::string stem = Normalise(number);
  if (AcceptsStemLength(stem.size())) {
    if (auto computed = ComputeCheckDigit(stem)) check_digit_ = std::move(*computed);
  }
  return check_digit_;
}

template <typename Value>
bool CheckDigitNumber<Value>::Check(std::string_view number) {
  const std::string text = Normalise(number);
  const std::size_t length = shape_.check_length;
  if (text.size() < length || !AcceptsStemLength(text.size() - length)) return false;
  const std::size_t place = std::min(shape_.check_place, text.size() - length);
  const std::string_view whole(text);
  std::string stem(whole.substr(0, place));
  stem.append(whole.substr(place + length));
  auto computed = ComputeCheckDigit(stem);
  if (!computed) return false;
  check_digit_ = std::move(*computed);
  return Matches(check_digit_, whole.substr(place, length));
}

template <typename Value>
std::string CheckDigitNumber<Value>::Normalise(std::string_view number) {
  check_digit_ = unset_;
  ResetFields();
  std::string text = RemoveSeparators(number, shape_.separators);
  if (shape_.upper_case) ToUpperInPlace(text);
  return text;
}

template class CheckDigitNumber<std::int16_t>;
template class CheckDigitNumber<std::string>;
template class CheckDigitNumber<FieldValue>;

}  // namespace numerant
