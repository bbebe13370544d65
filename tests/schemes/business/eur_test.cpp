#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

constexpr const char* kEmpty = "CheckDigit=-1 CountryCode=\"\"";

TEST(EURTest, Calculate) {
  const Case cases[] = {
      {"EUR", "X0123456789", "2", "CheckDigit=2 CountryCode=\"X\""},
      {"EUR", "x 0123-456789", "2", "CheckDigit=2 CountryCode=\"X\""},
      {"EUR", "S0000000000", "7"},  // S is 19, reduced once to 10
      {"EUR", "Z9999999999", "9"},
      {"EUR", "A0000000007", "9"},  // already 8 modulo 9: 9, never 0
      {"EUR", " - ", "-1", kEmpty},
      {"EUR", "10123456789", "-1", kEmpty},
      {"EUR",
       "\xe9"
       "0123456789",
       "-1", kEmpty},
      {"EUR", "X012345678A", "-1", "CheckDigit=-1 CountryCode=\"X\""},
      {"EUR", "X0123.56789", "-1", "CheckDigit=-1 CountryCode=\"X\""},
      {"EUR", "X012345678", "-1"},
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(EURTest, Check) {
  const Case cases[] = {
      {"EUR", "X01234567892", "valid"},
      {"EUR", "x0123 4567 892", "valid"},
      {"EUR", "X01234567893", "invalid", "CheckDigit=2 CountryCode=\"X\""},
      {"EUR", "A00000000079", "valid"},
      {"EUR", "A00000000070", "invalid"},
      {"EUR", "X0123456789X", "invalid"},
      {"EUR", "X0123456789", "invalid", kEmpty},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(EURTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("EUR", "X0123456789", "X0123456789", kEmpty);
}

}  // namespace
}  // namespace numerant::testing
