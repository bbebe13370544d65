#include "schemes/personal/wsdln.h"

#include <array>
#include <optional>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBodyLength = 11;
// The check digit's place in the licence, counted from 0.
constexpr std::size_t kCheckPosition = 9;
constexpr std::array<int, kBodyLength> kSigns = {+1, -1, +1, -1, +1, -1, +1, -1, +1, -1, +1};

// Letters count by their place in the rows A-I, J-R and S-Z, the last row
// starting at 2; the padding "*" counts 4 and digits their value.
constexpr int kPaddingValue = 4;
std::optional<int> CharacterValue(char c) {
  if (IsDigit(c)) return DigitValue(c);
  if (c == '*') return kPaddingValue;
  if (c >= 'A' && c <= 'I') return c - 'A' + 1;
  if (c >= 'J' && c <= 'R') return c - 'J' + 1;
  if (c >= 'S' && c <= 'Z') return c - 'S' + 2;
  return std::nullopt;
}

}  // namespace

std::int16_t WSDLN::Calculate(std::string_view code) {
  const std::string body = Normalise(code);
  if (body.size() == kBodyLength) Compute(body);
  return check_digit_;
}

bool WSDLN::Check(std::string_view code) {
  const std::string licence = Normalise(code);
  if (licence.size() != kBodyLength + 1) return false;
  std::string body = licence;
  body.erase(kCheckPosition, 1);
  if (!Compute(body)) return false;
  return DigitMatches(licence[kCheckPosition], check_digit_);
}

std::string WSDLN::Normalise(std::string_view code) {
  check_digit_ = -1;
  day_code_.clear();
  first_name_initial_.clear();
  last_name_.clear();
  middle_name_initial_.clear();
  month_code_.clear();
  year_code_ = std::int16_t{0};
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool WSDLN::Compute(std::string_view body) {
  day_code_ = body.substr(10, 1);
  first_name_initial_ = body.substr(5, 1);
  last_name_ = body.substr(0, 5);
  middle_name_initial_ = body.substr(6, 1);
  month_code_ = body.substr(9, 1);
  year_code_ = body.substr(7, 2);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kBodyLength; ++p) {
    const auto value = CharacterValue(body[p]);
    if (!value) return false;
    sum += Int16(kSigns[p]) * *value;
  }
  // The alternating total may be negative; the check digit is its remainder
  // counted from 0 to 9 all the same, so that every body has a digit.
  Int16 remainder = sum % 10;
  if (remainder.value() < 0) remainder += 10;
  if (!remainder.ok()) return false;
  check_digit_ = remainder.value();
  return true;
}

}  // namespace numerant
