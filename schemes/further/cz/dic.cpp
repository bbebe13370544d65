// SPDX-License-Identifier: MIT
#include "schemes/further/cz/dic.h"

#include <array>

#include "core/calendar.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::size_t kEntityPayload = 7;
constexpr std::size_t kSpecialPayload = 8;
constexpr std::size_t kBirthNumberPayload = 9;
constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

int TwoDigitValue(std::string_view digits, std::size_t at) {
  return DigitValue(digits[at]) * 10 + DigitValue(digits[at + 1]);
}

}  // namespace

std::optional<std::int16_t> BirthNumberCheckDigit(std::string_view digits, std::string& date) {
  if (digits.size() != kBirthNumberPayload) return std::nullopt;
  int remainder = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    remainder = (remainder * 10 + DigitValue(c)) % 11;
  }
  // Ten-digit numbers began in 1954; a year below 54 is of the 2000s.
  int year = 1900 + TwoDigitValue(digits, 0);
  if (year < 1954) year += 100;
  const int month = TwoDigitValue(digits, 2) % 50 % 20;
  const int day = TwoDigitValue(digits, 4);
  if (!DateExists(year, month, day)) {
    date = DateAsWritten(year, month, day);
    return std::nullopt;
  }
  if (remainder == 10 && year < 1985) remainder = 0;
  return static_cast<std::int16_t>(remainder);
}

CzDic::CzDic()
    : KindedNumber({.separators = " /",
                    .upper_case = true,
                    .prefixes = {"CZ"},
                    .payload_lengths = {{kEntityPayload, kBirthNumberPayload}}}) {}

std::optional<std::int16_t> CzDic::ComputeCheckDigitAgainst(std::string_view payload,
                                                            std::string_view /*found*/) {
  const std::size_t n = payload.size();
  if (n == kBirthNumberPayload) {
    fields_.kind = "birth number";
    std::string date;
    const auto check_digit = BirthNumberCheckDigit(payload, date);
    if (!check_digit && !date.empty()) return RejectDate(date);
    if (!check_digit) return RejectNonDigit(payload);
    return check_digit;
  }
  // The special range starts with 6 and weighs the seven digits after it.
  if (n == kSpecialPayload && payload.front() != '6') return RejectCharacter(0);
  const std::string_view digits = payload.substr(n - kEntityPayload);
  const auto sum = WeightedDigitSum(digits, kWeights);
  if (!sum) return RejectNonDigit(payload);
  if (n == kSpecialPayload) {
    fields_.kind = "special";
    return static_cast<std::int16_t>((18 - (10 - *sum % 11) % 11) % 10);
  }
  fields_.kind = "legal entity";
  if (payload.front() == '9') return RejectCharacter(0);
  // 11 minus the remainder, where 10 gives 0 and 11 gives 1.
  return static_cast<std::int16_t>((11 - *sum % 11) % 10);
}

}  // namespace numerant
