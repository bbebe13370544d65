#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

constexpr const char* kEmptyBic = "CategoryCode=\"\" CheckDigit=-1 OwnerCode=\"\" SerialNumber=0";
constexpr const char* kEmptyUic =
    "CheckDigit=-1 CountryCode=0 SerialNumber=0 TypeCode=0 TypeNumber=0";

TEST(TransportCodesTest, Calculate) {
  const Case cases[] = {
      // The three owner letters are the category code, the category letter
      // the owner code.
      {"BIC", "CSQU 305438", "3",
       "CategoryCode=\"CSQ\" CheckDigit=3 OwnerCode=\"U\" SerialNumber=\"305438\""},
      {"BIC", "csqu-305438", "3"},
      {"BIC", "MSKU907032", "3"},
      {"BIC", "ZZZU000000", "5"},  // letters skip 33: Z counts 38
      {"BIC", "ABCJ000000", "4"},
      {"BIC", "VWXZ123456", "1"},
      {"BIC", "AAAU000006", "0"},  // remainder 10
      {"BIC", " - ", "-1", kEmptyBic},
      {"BIC", "ABCX123456", "-1", kEmptyBic},
      {"BIC", "C1QU305438", "-1",
       "CategoryCode=\"C1Q\" CheckDigit=-1 OwnerCode=\"U\" SerialNumber=\"305438\""},
      {"BIC", "CSQU30543A", "-1"},
      {"UIC", "21 81 2471 217", "3",
       "CheckDigit=3 CountryCode=\"81\" SerialNumber=\"217\" TypeCode=\"21\" "
       "TypeNumber=\"2471\""},
      {"UIC", "10000000000", "8"},  // the leftmost digit is doubled
      {"UIC", " - ", "-1", kEmptyUic},
      {"UIC", "2181247121a", "-1",
       "CheckDigit=-1 CountryCode=\"81\" SerialNumber=\"21a\" TypeCode=\"21\" "
       "TypeNumber=\"2471\""},
      {"UIC", "A1812471217", "-1"},
      {"UIC", "21.81.2471.217", "-1"},
      {"UIC", "218124712173", "-1", kEmptyUic},
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(TransportCodesTest, Check) {
  const Case cases[] = {
      {"BIC", "CSQU3054383", "valid"},
      {"BIC", "csqu 305438-3", "valid"},
      {"BIC", "AAAU0000060", "valid"},
      {"BIC", "CSQU3054384", "invalid",
       "CategoryCode=\"CSQ\" CheckDigit=3 OwnerCode=\"U\" SerialNumber=\"305438\""},
      {"BIC", "CSQU305438C", "invalid"},
      {"UIC", "21-81-2471-217-3", "valid"},
      {"UIC", "218124712174", "invalid"},
      {"UIC", "21812471217S", "invalid"},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(TransportCodesTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("BIC", "CSQU305438", "CSQX3054383", kEmptyBic);
  ExpectNothingCarriedOver("UIC", "21812471217", "2181247121", kEmptyUic);
}

}  // namespace
}  // namespace numerant::testing
