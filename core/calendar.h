// SPDX-License-Identifier: MIT
// Dates as the further formats read them from their digits: whether a date
// exists in the Gregorian calendar, and its text in a field.
//
// No answer depends on today's date, so nothing here reads the clock: a
// birth date in the future is a date like any other.
#pragma once

#include <string>
#include <string_view>

namespace numerant {

// Whether the year has a 29 February: every fourth year, except the
// centuries that 400 does not divide (1900 has none, 2000 has one).
constexpr bool IsLeapYear(int year) noexcept {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// The number of days of a month 1 to 12; 0 for any other month.
constexpr int DaysInMonth(int year, int month) noexcept {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr bool DateExists(int year, int month, int day) noexcept {
  return day >= 1 && day <= DaysInMonth(year, month);
}

// The year of a two-digit year YY where the number does not fix the
// century: 00 to 49 are 2000 to 2049, 50 to 99 are 1950 to 1999. The pivot
// is fixed, so that no answer depends on today's date; the formats that use
// it mark the century as inferred.
constexpr int PivotYear(int yy) noexcept {
  return yy < 50 ? 2000 + yy : 1900 + yy;
}

// The value of the two decimal digits at `at`, as dates write their parts;
// the caller has checked that both are digits.
constexpr int DigitPairValue(std::string_view text, std::size_t at) noexcept {
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// "YYYY-MM-DD"; "YYYY-MM" when the day is unknown (0), "YYYY" when the month
// is. Years below 1000 keep four digits ("0999").
std::string DateText(int year, int month = 0, int day = 0);

// "YYYY-MM-DD" whatever the parts hold, for naming a date that does not
// exist ("1900-02-29", "2017-13-00").
std::string DateAsWritten(int year, int month, int day);

}  // namespace numerant
