// SPDX-License-Identifier: MIT
// UIC: the doubled and the single places, every remainder, and the four
// fields at their boundaries.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(UicTest, Calculate) {
  ExpectCalculate({
      {"UIC", "21 81 2471 217", "3",
       R"(TypeCode="21" CountryCode="81" TypeNumber="2471" SerialNumber="217")"},
      {"UIC", "12345678901", "5",
       R"(TypeCode="12" CountryCode="34" TypeNumber="5678" SerialNumber="901")"},
      {"UIC", "10000000000", "8"},  // the leftmost digit is doubled
      // The rightmost digit is doubled: 0 to 9 give every remainder.
      {"UIC", "00000000000", "0"},
      {"UIC", "00000000001", "8"},
      {"UIC", "00000000002", "6"},
      {"UIC", "00000000003", "4"},
      {"UIC", "00000000004", "2"},
      {"UIC", "00000000005", "9"},
      {"UIC", "00000000006", "7"},
      {"UIC", "00000000007", "5"},
      {"UIC", "00000000008", "3"},
      {"UIC", "00000000009", "1"},
      {"UIC", "00000000090", "1"},  // the one before it counts singly
      {"UIC", "2181247121a", "-1", R"(TypeCode="21" SerialNumber="21a")"},
      {"UIC", "21.81.2471.217", "-1"},
      {"UIC", "218124712173", "-1", "TypeCode=0"},
  });
  ExpectCheck({
      {"UIC", "21-81-2471-217-3", "valid", R"(CheckDigit=3 TypeNumber="2471")"},
      {"UIC", "218124712174", "invalid", "CheckDigit=3"},
  });
}

}  // namespace
}  // namespace numerant::testing
