// SPDX-License-Identifier: MIT
#include "schemes/further/se/personnummer.h"

#include <string>

#include "core/alternating_weights.h"
#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

// The payload's lengths: 9 or 11 digits, or with the sign 10 or 12.
constexpr std::size_t kShort = 9;
constexpr std::size_t kLong = 11;

}  // namespace

SePersonnummer::SePersonnummer()
    : CheckDigitNumber(
          {.separators = " ", .payload_letters = true, .payload_lengths = {{kShort, kLong + 1}}}) {}

std::optional<std::int16_t> SePersonnummer::ComputeCheckDigit(std::string_view payload) {
  // The sign stands before the last three payload digits, in its place or
  // not at all.
  const bool has_sign = payload.size() == kShort + 1 || payload.size() == kLong + 1;
  const std::size_t sign_place = has_sign ? payload.size() - 4 : std::string_view::npos;
  std::string digits;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (i == sign_place) {
      if (payload[i] != '-' && payload[i] != '+') return RejectCharacter(i);
      continue;
    }
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    digits += payload[i];
  }
  const bool long_form = digits.size() == kLong;
  const std::string_view short_digits = std::string_view(digits).substr(long_form ? 2 : 0);
  const auto check_digit = LuhnCheckDigit(short_digits);
  if (!check_digit) return std::nullopt;
  fields_.gender = DigitValue(short_digits.back()) % 2 == 1 ? "male" : "female";
  int year = 0;
  if (long_form) {
    year = DigitPairValue(digits, 0) * 100 + DigitPairValue(digits, 2);
  } else {
    year = PivotYear(DigitPairValue(digits, 0));
    if (has_sign && payload[sign_place] == '+') year -= 100;
    fields_.century_inferred = true;
  }
  const int month = DigitPairValue(short_digits, 2);
  int day = DigitPairValue(short_digits, 4);
  fields_.kind = "personal identity number";
  if (day > 60) {
    fields_.kind = "coordination number";
    day -= 60;
  }
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.birth_date = DateText(year, month, day);
  return check_digit;
}

}  // namespace numerant
