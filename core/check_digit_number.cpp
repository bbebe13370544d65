#include "core/check_digit_number.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace numerant {
namespace {

// The most check characters a number carries.
constexpr std::size_t kMaxCheckLength = 2;

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
  const std::string_view stem = Normalise(number);
  if (AcceptsStemLength(stem.size())) {
    if (auto computed = ComputeCheckDigit(stem)) check_digit_ = std::move(*computed);
  }
  return check_digit_;
}

template <typename Value>
bool CheckDigitNumber<Value>::Check(std::string_view number) {
  const std::string_view whole = Normalise(number);
  const std::size_t length = shape_.check_length;
  if (whole.size() < length || !AcceptsStemLength(whole.size() - length)) return false;
  const std::size_t place = std::min(shape_.check_place, whole.size() - length);
  // Kept apart: computing may reuse the scratch space (UPC expands a UPC-E
  // stem through its own normalising).
  std::array<char, kMaxCheckLength> check_chars{};
  if (length > check_chars.size()) return false;
  whole.copy(check_chars.data(), length, place);
  const std::string_view check_text(check_chars.data(), length);
  std::string_view stem = whole.substr(0, place);
  if (place + length < whole.size()) {
    // Check characters inside the number: the stem joins the parts around them.
    stem_.assign(stem);
    stem_.append(whole.substr(place + length));
    stem = stem_;
  }
  auto computed = ComputeCheckDigit(stem);
  if (!computed) return false;
  check_digit_ = std::move(*computed);
  return Matches(check_digit_, check_text);
}

template <typename Value>
std::string_view CheckDigitNumber<Value>::Normalise(std::string_view number) {
  check_digit_ = unset_;
  ResetFields();
  // A number with nothing to strip or fold is used as the caller gave it.
  if (!shape_.upper_case && !ContainsAny(number, shape_.separators)) return number;
  RemoveSeparators(number, shape_.separators, text_);
  if (shape_.upper_case) ToUpperInPlace(text_);
  return text_;
}

template class CheckDigitNumber<std::int16_t>;
template class CheckDigitNumber<std::string>;
template class CheckDigitNumber<FieldValue>;

}  // namespace numerant
