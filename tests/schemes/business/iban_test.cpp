#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

constexpr const char* kEmpty = "AccountNumber=\"\" CheckDigit=-1 CountryCode=\"\"";
constexpr const char* kGerman =
    "AccountNumber=\"370400440532013000\" CheckDigit=\"89\" CountryCode=\"DE\"";

TEST(IBANTest, Calculate) {
  const Case cases[] = {
      {"IBAN", "DE370400440532013000", "89", kGerman},
      {"IBAN", "de37 0400-4405 3201 3000", "89", kGerman},
      {"IBAN", "GBWEST12345698765432", "82"},  // letters count 10 to 35
      {"IBAN", "DE", "36", "AccountNumber=\"\" CheckDigit=\"36\" CountryCode=\"DE\""},
      {"IBAN", "12345", "61"},  // the country code is not tested to be letters
      // 32 characters, the longest; 33 are too many.
      {"IBAN", "DE111111111111111111111111111111", "75"},
      {"IBAN", "ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ", "59"},
      {"IBAN", "DE1111111111111111111111111111111", "-1", kEmpty},
      {"IBAN", " - ", "-1", kEmpty},
      {"IBAN", "D", "-1", kEmpty},
      {"IBAN", "DE89.3704", "-1", "AccountNumber=\"89.3704\" CheckDigit=-1 CountryCode=\"DE\""},
      {"IBAN", "DE3704\xe9", "-1"},  // upper-cased to a letter outside A to Z
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(IBANTest, Check) {
  const Case cases[] = {
      {"IBAN", "DE89 3704 0044 0532 0130 00", "valid", kGerman},
      {"IBAN", "de89370400440532013000", "valid"},
      {"IBAN", "GB82WEST12345698765432", "valid"},
      {"IBAN", "DE36", "valid"},
      {"IBAN", "DE3", "invalid", kEmpty},
      {"IBAN", "DE75111111111111111111111111111111", "valid"},
      {"IBAN", "DE111111111111111111111111111111111", "invalid", kEmpty},
      // 00, 01 and 99 are never computed.
      {"IBAN", "DE00370400440532013000", "invalid", kGerman},
      {"IBAN", "DE99370400440532013000", "invalid"},
      {"IBAN", "DE8+370400440532013000", "invalid"},
      {"IBAN", "DE89.3704", "invalid"},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(IBANTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("IBAN", "DE370400440532013000", "DE8", kEmpty);
}

}  // namespace
}  // namespace numerant::testing
