#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

TEST(IdentityNumbersTest, Calculate) {
  const Case cases[] = {
      {"CPF", "123456789", "09", "CheckDigit=\"09\""},
      {"CPF", "123.456 789", "09"},
      {"CPF", "000000000", "00"},
      {"CPF", "111444777", "35"},
      {"CPF", " -.", "-1", "CheckDigit=-1"},
      {"CPF", "12345678", "-1", "CheckDigit=-1"},
      {"CPF", "1234567890", "-1"},
      {"CPF", "12345678a", "-1"},
      {"CPF", "123/456/789", "-1"},  // a slash is not stripped
      {"DNI", "12345678", "Z", "CheckDigit=\"Z\""},
      {"DNI", "00000000", "T"},
      {"DNI", "99999999", "R"},
      {"DNI", "1234-5678", "Z"},
      {"DNI", " - ", "", "CheckDigit=\"\""},
      {"DNI", "1234567A", "", "CheckDigit=\"\""},
      {"DNI", "1234.567", ""},  // a full stop is not stripped
      {"DNI", "+1234567", ""},  // nor read as a sign
      {"RUN", "12345678", "5", "CheckDigit=\"5\""},
      {"RUN", "11111111", "1"},
      {"RUN", "10000013", "K"},
      {"RUN", "12.345.678", "5"},
      {"RUN", " . ", "-1", "CheckDigit=\"-1\""},
      {"RUN", "9876543", "-1", "CheckDigit=\"-1\""},
      {"RUN", "1234-567", "-1"},  // a hyphen is not stripped
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(IdentityNumbersTest, Check) {
  const Case cases[] = {
      {"CPF", "123.456.789-09", "valid"},
      {"CPF", "12345678909", "valid"},
      {"CPF", "12345678908", "invalid", "CheckDigit=\"09\""},
      {"CPF", "1234567890", "invalid", "CheckDigit=-1"},
      {"CPF", "1234567890a", "invalid"},
      {"DNI", "12345678Z", "valid"},
      {"DNI", "1234 5678-Z", "valid"},
      {"DNI", "12345678z", "invalid", "CheckDigit=\"Z\""},  // no upper-casing
      {"DNI", "1234.5678Z", "invalid"},
      {"RUN", "123456785", "valid"},
      {"RUN", "12.345.678 5", "valid"},
      {"RUN", "12.345.678-5", "invalid", "CheckDigit=\"-1\""},
      {"RUN", "10000013K", "valid"},
      {"RUN", "10000013k", "invalid", "CheckDigit=\"K\""},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(IdentityNumbersTest, NothingCarriesOverBetweenCalls) {
  // RUN starts empty; "-1" is its unset value only once a call has run.
  EXPECT_EQ(Properties(*Create("RUN")), "CheckDigit=\"\"");
  ExpectNothingCarriedOver("CPF", "123456789", "1234567890", "CheckDigit=-1");
  ExpectNothingCarriedOver("DNI", "12345678", "1234567AZ", "CheckDigit=\"\"");
  ExpectNothingCarriedOver("RUN", "12345678", "1234567", "CheckDigit=\"-1\"");
}

}  // namespace
}  // namespace numerant::testing
