// Company, tax, banking and health numbers. Fields follow each class's
// Descriptor: DEA CheckDigit LastNameInitial PrescriberNumber RegistrantType;
// EUR CheckDigit CountryCode; IBAN AccountNumber CheckDigit CountryCode; SIN
// CheckDigit RegionCode.
#include <string>

#include "schemes/business/mod11_10.h"
#include "schemes/business/mrn.h"
#include "schemes/general/luhn.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(BusinessTest, Calculate) {
  ExpectCalculate({
      {"ACN", "004 085 61", "6"},
      {"ACN", "004.085.61", "-1"},  // a full stop is not stripped
      {"BI", "12345678", "9"},
      {"BSN", "111.222.33", "3"},
      {"BSN", "111-222-33", "-1"},  // nor is a hyphen here
      {"NHS", "943 476 591", "9"},
      {"NIP", "123-456-32-1", "8"},
      {"NIP", "000000003", "0"},  // remainder 10
      {"REGON", "12345678", "5"},
      {"REGON", "1234567851234", "7"},
      {"REGON", "0000900000000", "0"},  // the fifth digit of the long form weighs 0
      {"REGON", "1234567890", "-1"},
      {"TFN", "12345678", "2"},
      {"TFN", "1234567", "7"},
      {"DEA", "AB123456", "3", R"(3 "B" "123456" "A")"},
      {"DEA", "ab 123-456", "3"},
      {"DEA", "FB123456", "-1", R"(-1 "" 0 "")"},
      {"DEA", "AB12345X", "-1", R"(-1 "B" "12345X" "A")"},
      {"BZU", "1234 5678 9012", "4"},
      {"BZU", "1234.5678.9012", "-1"},
      {"NIH", "123456789", "7"},
      {"NIH", "000000000", "6"},
      // Every character counts with its code minus that of "0"; below "0" it
      // counts negative, and on a doubled place it fails.
      {"MRN", "7992739871", "3"},
      {"MRN", "ab-12", "9"},
      {"MRN", "X", "2"},
      {"MRN", "+", "-1"},
      {"MRN", "+0", "-1"},
      {"MRN", "&0", "0"},
      {"MRN", "/5", "0"},
      {"MRN", "\xE9", "4"},  // upper-cased to "\xC9"
      {"EUR", "X0123456789", "2", R"(2 "X")"},
      {"EUR", "x 0123-456789", "2", R"(2 "X")"},
      {"EUR", "S0000000000", "7"},  // S is 19, reduced once to 10
      {"EUR", "A0000000007", "9"},  // already 8 modulo 9: 9, never 0
      {"EUR",
       "\xE9"
       "0123456789",
       "-1", R"(-1 "")"},
      {"EUR", "X012345678A", "-1", R"(-1 "X")"},
      {"IBAN", "DE370400440532013000", "89", R"("370400440532013000" "89" "DE")"},
      {"IBAN", "de37 0400-4405 3201 3000", "89"},
      {"IBAN", "GBWEST12345698765432", "82"},  // letters count 10 to 35
      {"IBAN", "DE", "36", R"("" "36" "DE")"},
      {"IBAN", "12345", "61"},  // the country code is not tested to be letters
      {"IBAN", "DE111111111111111111111111111111", "75"},  // 32, the longest
      {"IBAN", "DE1111111111111111111111111111111", "-1", R"("" -1 "")"},
      {"IBAN", "DE89.3704", "-1", R"("89.3704" -1 "DE")"},
      {"IBAN", "DE3704\xE9", "-1"},
      {"SIREN", "732 829 32", "0"},
      {"SIREN", "7328.932", "-1"},
      {"DUNS", "15-048-378", "2"},
      {"NPI", "123456789", "3"},  // the digit covers the prefix 80840 too
      {"SIN", "046 454 28", "6", "6 0"},
      {"SIN", "1464542A", "-1", "-1 1"},  // the region of a rejected number
      {"OGM", "012/345 6+789", "39"},
      {"OGM", "9999999999", "48"},  // above 32 bits
      // Hyphens and full stops count towards the length but not the value.
      {"OGM", "123-456-78", "03"},
      {"BTW", "123.45-67", "49"},
      {"BTW", "9700000", "97"},
      {"BTW", "123+4567", "-1"},
      {"SIS", "1234.56-78", "03"},
      {"SIS", "1234/5678", "-1"},
  });
}

TEST(BusinessTest, Check) {
  ExpectCheck({
      {"NHS", "943-476-5919", "valid"},
      {"REGON", "12345678512347", "valid"},
      {"TFN", "123 456 782", "valid"},
      {"DEA", "ab123456-3", "valid", R"(3 "B" "123456" "A")"},
      {"MRN", "&00", "valid"},
      {"MRN", "0", "invalid"},
      {"EUR", "A00000000079", "valid"},
      {"EUR", "A00000000070", "invalid"},
      {"IBAN", "DE89 3704 0044 0532 0130 00", "valid", R"("370400440532013000" "89" "DE")"},
      {"IBAN", "DE36", "valid"},
      {"IBAN", "DE00370400440532013000", "invalid", R"("370400440532013000" "89" "DE")"},
      {"SIN", "946454286", "invalid", "7 9"},
      {"OGM", "0123456789-39", "invalid"},
      {"BTW", "123.45.67-49", "valid"},
      {"SIS", "1234567830", "invalid"},
  });
}

// Valid under ISO 7064 MOD 11,10: the recurrence run over the whole number
// ends on the intermediate value 1.
TEST(BusinessTest, NihTableAgreesWithTheRecurrence) {
  NIH nih;
  for (int i = 0; i < 2000; ++i) {
    const std::string stem = std::to_string(100000000 + i * 449987).substr(0, 9);
    EXPECT_EQ(LastMod1110Intermediate(stem + std::to_string(nih.Calculate(stem))), 1) << stem;
  }
}

TEST(BusinessTest, MrnAgreesWithLuhnOnDigitsAndFailsOnA16BitOverflow) {
  MRN mrn;
  Luhn luhn;
  for (int i = 0; i < 3000; ++i) {
    const std::string stem = std::to_string(i * 7919);
    EXPECT_EQ(mrn.Calculate(stem), luhn.Calculate(stem)) << stem;
  }
  // Each pair of "\xFF" adds 207 + 45: 130 pairs make 32760, 131 overflow.
  EXPECT_EQ(mrn.Calculate(std::string(260, '\xFF')), 0);
  EXPECT_EQ(mrn.Calculate(std::string(262, '\xFF')), -1);
}

}  // namespace
}  // namespace numerant::testing
