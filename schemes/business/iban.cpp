#include "schemes/business/iban.h"

#include <algorithm>
#include <optional>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kCountryLength = 2;
constexpr std::size_t kCheckLength = 2;
// Bounds of the normalised text: without check digits for `Calculate`, with
// them for `Check`.
constexpr std::size_t kShortestPayload = kCountryLength;
constexpr std::size_t kLongestPayload = 32;

// Nine decimal digits always fit a signed 32-bit integer.
constexpr std::size_t kChunk = 9;

// The value modulo 97 of a long string of decimal digits, taken nine digits
// at a time: the remainder so far, written in decimal, is put in front of as
// many further digits as make nine again. Nothing when a character is not a
// digit.
std::optional<std::uint8_t> Remainder(std::string_view digits) {
  std::size_t position = std::min(kChunk, digits.size());
  std::optional<std::int32_t> value = ParseDecimal32(digits.substr(0, position));
  for (;;) {
    if (!value) return std::nullopt;
    const Int32 remainder = Int32(*value) % 97;
    if (!remainder.ok()) return std::nullopt;
    if (position >= digits.size()) return static_cast<std::uint8_t>(remainder.value());
    std::string next = std::to_string(remainder.value());
    const std::size_t take = std::min(kChunk - next.size(), digits.size() - position);
    next.append(digits.substr(position, take));
    position += take;
    value = ParseDecimal32(next);
  }
}

}  // namespace

FieldValue IBAN::Calculate(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() >= kShortestPayload && text.size() <= kLongestPayload) {
    const std::string_view whole(text);
    Compute(std::string(whole.substr(kCountryLength)).append(whole.substr(0, kCountryLength)));
  }
  return check_digit_;
}

bool IBAN::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() < kShortestPayload + kCheckLength ||
      text.size() > kLongestPayload + kCheckLength) {
    return false;
  }
  const std::string_view whole(text);
  const std::string rearranged = std::string(whole.substr(kCountryLength + kCheckLength))
                                     .append(whole.substr(0, kCountryLength));
  if (!Compute(rearranged)) return false;
  // Check digits that are not digits simply never equal a computed pair.
  return check_digit_ == whole.substr(kCountryLength, kCheckLength);
}

std::string IBAN::Normalise(std::string_view code) {
  account_number_.clear();
  check_digit_ = std::int16_t{-1};
  country_code_.clear();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool IBAN::Compute(std::string_view rearranged) {
  if (rearranged.size() < kCountryLength) return false;
  const std::size_t account_length = rearranged.size() - kCountryLength;
  account_number_ = rearranged.substr(0, account_length);
  country_code_ = rearranged.substr(account_length);

  std::string digits;
  for (char c : rearranged) {
    if (IsDigit(c)) {
      digits.push_back(c);
    } else if (IsUpperLetter(c)) {
      digits.append(std::to_string(c - 'A' + 10));
    } else {
      return false;
    }
  }
  digits.append("00");
  const auto remainder = Remainder(digits);
  if (!remainder) return false;
  check_digit_ = TwoDigits(98 - *remainder);
  return true;
}

}  // namespace numerant
