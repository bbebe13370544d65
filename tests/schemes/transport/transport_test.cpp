// SPDX-License-Identifier: MIT
// VIN, BIC, UIC and BOL. The expected check characters of the table rows
// were worked out apart from the code, from the published rules.
#include "tests/schemes/cases.h"
#include "tests/schemes/variations.h"

namespace numerant::testing {
namespace {

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";

TEST(TransportTest, EveryTableEntry) {
  // VIN: a character weighed 8 leaves a different remainder for each value
  // 1 to 9, so every letter's transliteration shows; I, O and Q have none.
  ExpectEachCharacter("VIN", "?000000000000000", kLetters, "852X7419.852X7.1.652X74196");
  ExpectEachCharacter("VIN", "?000000000000000", kDigits, "0852X74196");
  ExpectEachPlace("VIN", "0000000000000000", "8765432X98765432");
  // BIC: each letter weighed 1 and weighed 1 + 2 + 4 tell apart every two
  // letter values that differ modulo 11; the serial places weigh 16 to 512.
  ExpectEachCharacter("BIC", "?AAU000000", kLetters, "79001234567900123456790012");
  ExpectEachCharacter("BIC", "???U000000", kLetters, "70629518407062951840706295");
  ExpectEachPlace("BIC", "AAAU000000", "....165302");
  // UIC: the rightmost digit doubled, the one before it single.
  ExpectEachCharacter("UIC", "0000000000?", kDigits, "0864297531");
  ExpectEachCharacter("UIC", "000000000?0", kDigits, "0987654321");
  ExpectEachPlace("UIC", "00000000000", "89898989898");
  ExpectEachPlace("BOL", "0000000000000000", "9797979797979797");
}

TEST(TransportTest, Calculate) {
  ExpectCalculate({
      {"VIN", "1M8GDM9AKP042788", "X"},
      {"VIN", "1M8GDM9AKS042788", "3"},  // S counts 2
      // Sixteen different characters show where each field starts and ends.
      {"VIN", "ABCDEFGHJKLMNPRS", "5",
       R"(CountryCode="AB" ManufacturerCode="CD" EquipmentCodes="EFGH" YearCode="J" )"
       R"(PlantCode="K" SerialNumber="LMNPRS")"},
      {"VIN", "1m8gdm9a-kp 042788", "X"},
      // Characters a VIN never holds still leave the fields read.
      {"VIN", "1M8GDM9AKP0427Q8", "", R"(CheckDigit="" SerialNumber="0427Q8" YearCode="K")"},
      {"VIN", "1M8GDM9AXKP042788", "", "SerialNumber=0"},
      // The owner letters are the category code, the category letter the
      // owner code.
      {"BIC", "CSQU 305438", "3", R"(CategoryCode="CSQ" OwnerCode="U" SerialNumber="305438")"},
      {"BIC", "csqu-305438", "3"},
      {"BIC", "MSKU907032", "3"},
      {"BIC", "VWXZ123456", "1"},
      {"BIC", "AAAU000006", "0"},  // remainder 10
      {"BIC", "BAAU000000", "9"},  // the owner letters weigh 1, 2 and 4
      {"BIC", "ABAU000000", "0"},
      {"BIC", "AABU000000", "4"},
      {"BIC", "AAAJ000000", "0"},  // the category letter 8
      // Without a category letter nothing is read.
      {"BIC", "ABCX123456", "-1", R"(CategoryCode="" OwnerCode="" SerialNumber=0)"},
      {"BIC", "C1QU305438", "-1", R"(CategoryCode="C1Q" OwnerCode="U" SerialNumber="305438")"},
      {"UIC", "12345678901", "5",
       R"(TypeCode="12" CountryCode="34" TypeNumber="5678" SerialNumber="901")"},
      {"UIC", "2181247121a", "-1", R"(TypeCode="21" SerialNumber="21a")"},
      {"UIC", "21.81.2471.217", "-1"},
      {"BOL", "0123456789012345", "2"},
      {"BOL", "012345678901234+", "-1"},
  });
}

TEST(TransportTest, Check) {
  ExpectCheck({
      {"VIN", "1m8gdm9axkp042788", "valid", R"(CheckDigit="X" CountryCode="1M")"},
      {"VIN", "11111111111111111", "valid"},
      {"VIN", "1M8GDM9A0KP042788", "invalid", R"(CheckDigit="X")"},
      {"VIN", "1M8GDM9AKP042788X", "invalid"},  // the check character stands ninth
      {"BIC", "csqu 305438 3", "valid", R"(CategoryCode="CSQ" CheckDigit=3)"},
      {"UIC", "21-81-2471-217-3", "valid", R"(TypeNumber="2471")"},
      {"BOL", "0123-4567-8901-2345-2", "valid"},
  });
}

TEST(TransportTest, Explain) {
  ExpectExplain({
      {"BIC", "-", "no number typed"},
      {"BIC", "CSQU30543", "11 characters expected, 9 typed"},
      {"UIC", "21812471217", "12 digits expected, 11 typed"},
      {"BIC", "ABCX1234560", "the letter X cannot stand at place 4"},
      {"BIC", "C5QU3054383", "the digit 5 cannot stand at place 2"},
      {"UIC", "21-81-2471-21a-3", "the letter a cannot stand at place 14"},
      // A VIN's places count the check character in the middle too.
      {"VIN", "1M8 GDM9AXKP0427Q8", "the letter Q cannot stand at place 17"},
      {"VIN", "1M8GDM9A?KP042788", "the character \"?\" cannot stand at place 9"},
      {"VIN", "1m8gdm9a0kp042788", "check character should be X, not 0"},
      {"BOL", "01234567890123453", "check digit should be 2, not 3"},
  });
}

}  // namespace
}  // namespace numerant::testing
