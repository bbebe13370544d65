#include "schemes/general/creditcard.h"

#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::ExpectCalculate;
using testing::ExpectCheck;

// Fields: AccountNumber CheckDigit IssuerCode MajorIndustryCode.
TEST(CreditcardTest, SplitsAnyCardNumberAndAdoptsItsLuhnDigit) {
  ExpectCalculate<Creditcard>({
      {"4111 1111 1111 111", "1", R"("111111111" 1 "411111" 4)"},
      {"5", "9", R"("" 9 "5" 5)"},
      {"123456", "6", R"("" 6 "123456" 1)"},
      // The fields are cut from text that is not all digits too.
      {"A1234", "-1", R"("" -1 "A1234" 0)"},
      {"4111.1111", "-1", R"("111" -1 "4111.1" 4)"},
  });
  ExpectCheck<Creditcard>({
      {"79927398713", true, R"("9871" 3 "799273" 7)"},
      {"79927398710", false, R"("9871" 3 "799273" 7)"},
      {"4111-1111-1111-1111", true, R"("111111111" 1 "411111" 4)"},
      {"7", false, "0 -1 0 0"},
  });
}

}  // namespace
}  // namespace numerant
