// SPDX-License-Identifier: MIT
// The shared arithmetic under the rules and the calendar the dates are
// tested against. Check digits cross-checked with python-stdnum.
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

#include "core/alternating_weights.h"
#include "core/calendar.h"
#include "core/damm.h"
#include "core/iso7064.h"
#include "core/modulo97.h"
#include "core/verhoeff.h"

namespace numerant {
namespace {

TEST(ArithmeticTest, CheckDigitsOfDigits) {
  const struct {
    const char* digits;
    int luhn;
    int verhoeff;
    int damm;
    int remainder97;
  } cases[] = {
      {"7992739871", 3, 8, 1, 11},
      {"4992739871", 6, 3, 8, 6},
      {"1", 8, 5, 3, 1},
      {"0", 0, 4, 0, 0},
      {"123456789012345678901234567890", 9, 3, 4, 52},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LuhnCheckDigit(c.digits), c.luhn) << c.digits;
    EXPECT_EQ(VerhoeffCheckDigit(c.digits), c.verhoeff) << c.digits;
    EXPECT_EQ(DammCheckDigit(c.digits), c.damm) << c.digits;
    EXPECT_EQ(Remainder97(c.digits), c.remainder97) << c.digits;
  }
  for (const char* bad : {"12a4", "12 4", "-1"}) {
    EXPECT_FALSE(LuhnCheckDigit(bad)) << bad;
    EXPECT_FALSE(VerhoeffCheckDigit(bad)) << bad;
    EXPECT_FALSE(DammCheckDigit(bad)) << bad;
    EXPECT_FALSE(Remainder97(bad)) << bad;
    EXPECT_FALSE(Modulo10CheckDigit(bad)) << bad;
  }
  // Only the remainder wants a number to divide.
  EXPECT_FALSE(Remainder97(""));
}

// The whole-number test, which multiplies three places at a time, agrees
// with the check digit computed a place at a time: on every length up to
// 40, with every check digit, and with a character that is not a digit (any
// byte) in any place.
TEST(ArithmeticTest, VerhoeffValidAgreesWithTheCheckDigit) {
  std::mt19937 random(7);
  for (std::size_t length = 0; length <= 40; ++length) {
    for (int round = 0; round < 30; ++round) {
      std::string number;
      for (std::size_t i = 0; i < length; ++i)
        number += static_cast<char>('0' + random() % 10);
      for (char check = '0'; check <= '9' && !number.empty(); ++check) {
        number.back() = check;
        const auto expected = VerhoeffCheckDigit(number.substr(0, number.size() - 1));
        ASSERT_EQ(VerhoeffValid(number), expected == check - '0') << number;
      }
      if (number.empty()) continue;
      std::string spoilt = number;
      spoilt[random() % length] = static_cast<char>(random() % 256);
      const bool digits =
          std::all_of(spoilt.begin(), spoilt.end(), [](char c) { return c >= '0' && c <= '9'; });
      EXPECT_EQ(VerhoeffValid(spoilt).has_value(), digits) << spoilt;
    }
  }
}

// MOD 11,10 as the standard runs it, product and sum by turns: the steps
// by table agree on every length up to 20 and stop at any stray byte.
TEST(ArithmeticTest, Mod1110FollowsTheRecurrence) {
  std::mt19937 random(3);
  for (std::size_t length = 0; length <= 20; ++length) {
    for (int round = 0; round < 200; ++round) {
      std::string digits;
      int product = 10;
      int sum = 10;
      for (std::size_t i = 0; i < length; ++i) {
        const int digit = static_cast<int>(random() % 10);
        digits += static_cast<char>('0' + digit);
        sum = (product % 11 + digit) % 10;
        if (sum == 0) sum = 10;
        product = 2 * sum;
      }
      const std::optional<int> expected =
          digits.empty() ? std::nullopt : std::optional((11 - product % 11) % 10);
      ASSERT_EQ(Mod1110CheckDigit(digits), expected) << digits;
      if (digits.empty()) continue;
      ASSERT_EQ(Mod1110LastIntermediate(digits), sum) << digits;
      std::string spoilt = digits;
      spoilt[random() % length] = static_cast<char>(random() % 256);
      const bool all_digits =
          std::all_of(spoilt.begin(), spoilt.end(), [](char c) { return c >= '0' && c <= '9'; });
      EXPECT_EQ(Mod1110CheckDigit(spoilt).has_value(), all_digits) << spoilt;
    }
  }
}

// MOD 97-10 read a digit at a time, each capital as its two digits: the
// reading by runs of eight digits agrees on every length up to 40, on texts
// whose capitals break the runs anywhere, read whole or in two parts, and it
// stops at a stray byte in any place, the bytes next to the digits
// ("/", ":" to "?") and their high twins (0xB0 to 0xB9) among them.
TEST(ArithmeticTest, Mod9710ReadsRunsOfDigitsAsTheStandardDoes) {
  std::mt19937 random(5);
  const std::string strays = "/:;<=>?@[ \xB0\xB5\xB9\xFF-a";
  for (std::size_t length = 1; length <= 40; ++length) {
    for (int round = 0; round < 100; ++round) {
      std::string text;
      int remainder = 0;
      for (std::size_t i = 0; i < length; ++i) {
        // One capital in eight, so that most texts hold long runs of digits.
        const int value = static_cast<int>(random() % 8 == 0 ? 10 + random() % 26 : random() % 10);
        text += kAlphanumeric[static_cast<std::size_t>(value)];
        remainder = value < 10 ? (remainder * 10 + value) % 97 : (remainder * 100 + value) % 97;
      }
      const int expected = 98 - remainder * 100 % 97;
      ASSERT_EQ(Mod9710CheckValue(text), expected) << text;
      const std::size_t cut = random() % (length + 1);
      ASSERT_EQ(Mod9710CheckValue(text.substr(0, cut), text.substr(cut)), expected) << text;
      std::string spoilt = text;
      spoilt[random() % length] = strays[random() % strays.size()];
      EXPECT_FALSE(Mod9710CheckValue(spoilt)) << spoilt;
    }
  }
  EXPECT_FALSE(Mod9710CheckValue(""));
  EXPECT_FALSE(Mod9710CheckValue("", ""));
}

TEST(ArithmeticTest, WeightsThreeAndOneFromTheRight) {
  EXPECT_EQ(Modulo10CheckDigit("400638133393"), 1);
  EXPECT_EQ(Modulo10CheckDigit("9638507"), 4);
  EXPECT_EQ(Modulo10CheckDigit("1"), 7);
}

TEST(ArithmeticTest, LuhnOverAnAlphabet) {
  EXPECT_EQ(LuhnModNCheckValue("a1b2c3", "0123456789abcdef"), 3);
  EXPECT_EQ(LuhnModNCheckValue("ZZZ", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 3);
  // With the ten digits it is Luhn.
  EXPECT_EQ(LuhnModNCheckValue("7992739871", "0123456789"), 3);
  EXPECT_FALSE(LuhnModNCheckValue("a1G", "0123456789abcdef"));
  EXPECT_FALSE(LuhnModNCheckValue("", "0123456789"));
  EXPECT_FALSE(LuhnModNCheckValue("0", "0"));
}

TEST(CalendarTest, DaysOfEveryMonthAndTheLeapYears) {
  const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(DaysInMonth(2023, month), days[month - 1]) << month;
    EXPECT_TRUE(DateExists(2023, month, days[month - 1])) << month;
    EXPECT_FALSE(DateExists(2023, month, days[month - 1] + 1)) << month;
    EXPECT_FALSE(DateExists(2023, month, 0)) << month;
  }
  EXPECT_EQ(DaysInMonth(2023, 0), 0);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
  const struct {
    int year;
    bool leap;
  } years[] = {{1900, false}, {2000, true},  {2024, true},
               {2023, false}, {2100, false}, {1600, true}};
  for (const auto& y : years) {
    EXPECT_EQ(IsLeapYear(y.year), y.leap) << y.year;
    EXPECT_EQ(DateExists(y.year, 2, 29), y.leap) << y.year;
  }
}

TEST(CalendarTest, TwoDigitYearsAndDatesInWords) {
  EXPECT_EQ(PivotYear(0), 2000);
  EXPECT_EQ(PivotYear(49), 2049);
  EXPECT_EQ(PivotYear(50), 1950);
  EXPECT_EQ(PivotYear(99), 1999);
  EXPECT_EQ(DigitPairValue("x850315", 3), 3);
  EXPECT_EQ(DigitPairValue("x850315", 1), 85);
  EXPECT_EQ(DateText(1985, 3, 15), "1985-03-15");
  EXPECT_EQ(DateText(1985, 3), "1985-03");
  EXPECT_EQ(DateText(999), "0999");
  EXPECT_EQ(DateAsWritten(1900, 2, 29), "1900-02-29");
  EXPECT_EQ(DateAsWritten(2017, 13, 0), "2017-13-00");
}

// Over any 400 years the Gregorian calendar has 97 leap years and 146097
// days; counting every date that exists gives the same.
TEST(CalendarTest, FourHundredYearsHave146097Days) {
  for (const int first : {1600, 2000, 0}) {
    int leap_years = 0;
    int days = 0;
    int dates = 0;
    for (int year = first; year < first + 400; ++year) {
      leap_years += IsLeapYear(year) ? 1 : 0;
      int days_of_year = 0;
      for (int month = 1; month <= 12; ++month) {
        days_of_year += DaysInMonth(year, month);
        for (int day = -1; day <= 32; ++day)
          dates += DateExists(year, month, day) ? 1 : 0;
      }
      EXPECT_EQ(days_of_year, IsLeapYear(year) ? 366 : 365) << year;
      days += days_of_year;
    }
    EXPECT_EQ(leap_years, 97) << first;
    EXPECT_EQ(days, 146097) << first;
    EXPECT_EQ(dates, 146097) << first;
  }
  for (const int year : {1700, 1800, 2200, 2300}) {
    EXPECT_FALSE(IsLeapYear(year)) << year;
  }
  for (const int year : {2400, 1996, 2004, 0}) {
    EXPECT_TRUE(IsLeapYear(year)) << year;
  }
  EXPECT_FALSE(DateExists(2024, 0, 1));
  EXPECT_FALSE(DateExists(2024, 13, 1));
  EXPECT_FALSE(DateExists(2024, -1, 1));
}

}  // namespace
}  // namespace numerant
