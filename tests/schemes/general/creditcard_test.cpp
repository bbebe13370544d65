#include "schemes/general/creditcard.h"

#include <gtest/gtest.h>

#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

// Fields: AccountNumber CheckDigit IssuerCode MajorIndustryCode. They are cut
// from text that is not all digits too.
TEST(CreditcardTest, SplitsAnyCardNumberAndAdoptsItsLuhnDigit) {
  typed_cases::ExpectCalculate<Creditcard>({
      {"4111 1111 1111 111", "1", R"("111111111" 1 "411111" 4)"},
      {"5", "9", R"("" 9 "5" 5)"},
      {"123456", "6", R"("" 6 "123456" 1)"},
      {"A1234", "-1", R"("" -1 "A1234" 0)"},
      {"4111.1111", "-1", R"("111" -1 "4111.1" 4)"},
  });
  typed_cases::ExpectCheck<Creditcard>({
      {"79927398713", "valid", R"("9871" 3 "799273" 7)"},
      {"79927398710", "invalid", R"("9871" 3 "799273" 7)"},
      {"4111-1111-1111-1111", "valid", R"("111111111" 1 "411111" 4)"},
  });
}

}  // namespace
}  // namespace numerant
