#include "schemes/personal/wsdln.h"

#include <array>
#include <optional>

#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBodyLength = 11;
// The check digit's place in the licence, counted from 0.
constexpr std::size_t kCheckPlace = 9;
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

WSDLN::WSDLN()
    : CheckDigitNumber({.separators = " -", .upper_case = true, .check_place = kCheckPlace}) {}

bool WSDLN::AcceptsStemLength(std::size_t length) const {
  return length == kBodyLength;
}

void WSDLN::ResetFields() {
  day_code_.clear();
  first_name_initial_.clear();
  last_name_.clear();
  middle_name_initial_.clear();
  month_code_.clear();
  year_code_ = std::int16_t{0};
}

std::optional<std::int16_t> WSDLN::ComputeCheckDigit(std::string_view body) {
  last_name_ = Characters(body, 1, 5);
  first_name_initial_ = Characters(body, 6, 6);
  middle_name_initial_ = Characters(body, 7, 7);
  year_code_ = Characters(body, 8, 9);
  month_code_ = Characters(body, 10, 10);
  day_code_ = Characters(body, 11, 11);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kBodyLength; ++p) {
    const auto value = CharacterValue(body[p]);
    if (!value) return std::nullopt;
    sum += Int16(kSigns[p]) * *value;
  }
  // The alternating total may be negative; the check digit is its remainder
  // counted from 0 to 9 all the same, so that every body has a digit.
  Int16 remainder = sum % 10;
  if (remainder.value() < 0) remainder += 10;
  if (!remainder.ok()) return std::nullopt;
  return remainder.value();
}

}  // namespace numerant
