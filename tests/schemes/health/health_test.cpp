// SPDX-License-Identifier: MIT
// Health-care identifiers: NPI, DEA, NIH, MRN and NHS. The expected values
// were worked out from the published rules by hand or with a few lines of
// Python, not with this code.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/iso7064.h"
#include "schemes/general/luhn.h"
#include "schemes/health/mrn.h"
#include "schemes/health/nih.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(HealthTest, NPI) {
  ExpectCalculate({
      {"NPI", "123456789", "3"},  // the digit covers the prefix 80840 too
      {"NPI", "12345678", "-1"},
      {"NPI", "1234.56789", "-1"},
  });
  ExpectCheck({
      {"NPI", "123456789-3", "valid"},
      {"NPI", "1234567897", "invalid"},  // the Luhn digit of the nine alone
  });
}

TEST(HealthTest, DEA) {
  ExpectCalculate({
      {"DEA", "AB123456", "3",
       R"(LastNameInitial="B" PrescriberNumber="123456" RegistrantType="A")"},
      {"DEA", "BJ654321", "0",
       R"(LastNameInitial="J" PrescriberNumber="654321" RegistrantType="B")"},
      {"DEA", "ab 123-456", "3"},
      // Only A and B are registrant types, and the initial is a letter; the
      // fields are read only once both are.
      {"DEA", "FB123456", "-1", R"(LastNameInitial="" PrescriberNumber=0 RegistrantType="")"},
      {"DEA", "A1123456", "-1", R"(LastNameInitial="" PrescriberNumber=0 RegistrantType="")"},
      {"DEA", "AB12345X", "-1",
       R"(LastNameInitial="B" PrescriberNumber="12345X" RegistrantType="A")"},
  });
  ExpectCheck({
      {"DEA", "ab123456-3", "valid",
       R"(CheckDigit=3 LastNameInitial="B" PrescriberNumber="123456" RegistrantType="A")"},
      {"DEA", "AB1234564", "invalid"},
  });
}

TEST(HealthTest, NIH) {
  ExpectCalculate({
      {"NIH", "123456789", "7"},
      {"NIH", "12345678A", "-1"},
  });
  // The last digit moves the last intermediate value through every entry of
  // the table: 8, 9, 10, 1, 2, ..., 7.
  // clang-format off
  ExpectCalculate({
      {"NIH", "000000000", "6"}, {"NIH", "000000001", "4"}, {"NIH", "000000002", "2"},
      {"NIH", "000000003", "9"}, {"NIH", "000000004", "7"}, {"NIH", "000000005", "5"},
      {"NIH", "000000006", "3"}, {"NIH", "000000007", "1"}, {"NIH", "000000008", "0"},
      {"NIH", "000000009", "8"},
  });
  // clang-format on
  ExpectCheck({
      {"NIH", "123456789-7", "valid"},
      {"NIH", "123456789-8", "invalid"},
  });
}

// A valid number under ISO 7064 MOD 11,10 runs the recurrence, check digit
// included, to the intermediate value 1.
TEST(HealthTest, NihCheckDigitEndsTheRecurrenceOnOne) {
  NIH nih;
  for (int i = 0; i < 2000; ++i) {
    const std::string payload = std::to_string(100000000 + i * 449987).substr(0, 9);
    EXPECT_EQ(Mod1110LastIntermediate(payload + std::to_string(nih.Calculate(payload))), 1)
        << payload;
  }
}

TEST(HealthTest, MRN) {
  ExpectCalculate({
      {"MRN", "7992739871", "3"},
      {"MRN", "ab-12", "9"},
      // Below "0" a character counts negative, and on a doubled place it
      // fails.
      {"MRN", "+", "-1"},
      {"MRN", "+0", "-1"},
      {"MRN", "&0", "0"},
      {"MRN", "/5", "0"},
      {"MRN", "\xE9", "4"},  // upper-cased to "\xC9"
  });
  // A single digit is doubled, which reaches every remainder of the sum.
  // clang-format off
  ExpectCalculate({
      {"MRN", "0", "0"}, {"MRN", "1", "8"}, {"MRN", "2", "6"},
      {"MRN", "3", "4"}, {"MRN", "4", "2"}, {"MRN", "5", "9"},
      {"MRN", "6", "7"}, {"MRN", "7", "5"}, {"MRN", "8", "3"},
      {"MRN", "9", "1"},
  });
  // clang-format on
  ExpectCheck({
      {"MRN", "79927398713", "valid"},
      {"MRN", "&00", "valid"},
      {"MRN", "0", "invalid"},
  });
}

// Each letter alone (doubled) and before a 0 (counted as it is): together
// they tell every letter's value, its code minus that of "0", from any other.
TEST(HealthTest, MrnCountsEachLetterByItsCode) {
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  constexpr std::string_view kAlone = "31964208531974208631975208";
  constexpr std::string_view kBeforeZero = "32109876543210987654321098";
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    const std::string alone(1, kLetters[i]);
    const std::string before_zero = alone + "0";
    const std::string alone_digit(1, kAlone[i]);
    const std::string before_zero_digit(1, kBeforeZero[i]);
    ExpectCalculate({{"MRN", alone, alone_digit}, {"MRN", before_zero, before_zero_digit}});
  }
}

TEST(HealthTest, MrnAgreesWithLuhnOnDigitsAndFailsOnA16BitOverflow) {
  MRN mrn;
  Luhn luhn;
  for (int i = 0; i < 3000; ++i) {
    const std::string payload = std::to_string(i * 7919);
    EXPECT_EQ(mrn.Calculate(payload), luhn.Calculate(payload)) << payload;
  }
  // Each pair of "\xFF" adds 207 + 45: 130 pairs make 32760, 131 overflow.
  EXPECT_EQ(mrn.Calculate(std::string(260, '\xFF')), 0);
  EXPECT_EQ(mrn.Calculate(std::string(262, '\xFF')), -1);
}

TEST(HealthTest, NHS) {
  ExpectCalculate({
      {"NHS", "943 476 591", "9"},
      {"NHS", "123456789", "-1"},  // remainder 1: no final digit completes it
      {"NHS", "943.476.591", "-1"},
  });
  // Remainders 0 to 10 of the weighted sum in turn.
  // clang-format off
  ExpectCalculate({
      {"NHS", "000000000", "0"},  {"NHS", "000000006", "-1"}, {"NHS", "000000001", "9"},
      {"NHS", "000000007", "8"},  {"NHS", "000000002", "7"},  {"NHS", "000000008", "6"},
      {"NHS", "000000003", "5"},  {"NHS", "000000009", "4"},  {"NHS", "000000004", "3"},
      {"NHS", "000000013", "2"},  {"NHS", "000000005", "1"},
  });
  // clang-format on
  ExpectCheck({
      {"NHS", "943-476-5919", "valid"},
      {"NHS", "9434765918", "invalid"},
  });
}

TEST(HealthTest, Explain) {
  ExpectExplain({
      {"MRN", "-", "no number typed"},
      {"MRN", "7", "at least 2 characters expected, 1 typed"},
      {"NHS", "943 476 591", "10 digits expected, 9 typed"},
      {"NPI", "12345678x3", "the letter x cannot stand at place 9"},
      {"DEA", "CB1234563", "the letter C cannot stand at place 1"},
      {"DEA", "A-11234563", "the digit 1 cannot stand at place 3"},
      {"DEA", "AB12345X3", "the letter X cannot stand at place 8"},
      {"MRN", "12+5", "the character \"+\" cannot stand at place 3"},
      {"MRN", "+05", "no check digit exists for this number"},
      {"NHS", "1234567890", "no check digit exists for this number"},
      {"NIH", "123456789-8", "check digit should be 7, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
