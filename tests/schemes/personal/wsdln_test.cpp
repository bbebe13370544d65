// SPDX-License-Identifier: MIT
// WSDLN: the value of every letter in an added and in a subtracted place,
// negative totals, and the check digit standing tenth.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(WsdlnTest, Calculate) {
  ExpectCalculate({
      {"WSDLN", "SMITHJA55BG", "7",
       R"(DayCode="G" FirstNameInitial="J" LastName="SMITH" MiddleNameInitial="A" MonthCode="B" YearCode="55")"},
      {"WSDLN", "smith-ja55 bg", "7"},
      {"WSDLN", "DOE**JM30BA", "2"},
      // Negative totals -5, -1 and -10 still give a digit from 0 to 9.
      {"WSDLN", "AJAXZZZ11Z1", "5"},
      {"WSDLN", "01000000000", "9"},
      {"WSDLN", "09010000000", "0"},
      {"WSDLN", "***********", "4"},
      {"WSDLN", "SMITHJA5.BG", "-1", R"(LastName="SMITH" YearCode="5." DayCode="G")"},
  });
}

TEST(WsdlnTest, EveryCharacterValue) {
  const std::string_view characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ*";
  ExpectEach("WSDLN", Vary("SMITHJA55BG", 0, characters), "678901234678901234789012349");
  ExpectEach("WSDLN", Vary("SMITHJA55BG", 1, characters), "098765432098765432987654327");
}

TEST(WsdlnTest, Check) {
  ExpectCheck({
      {"WSDLN", "SMITH-JA557-BG", "valid"},
      {"WSDLN", "AJAXZZZ115Z1", "valid"},
      {"WSDLN", "SMITHJA55BG7", "invalid"},  // the check digit stands tenth
  });
}

TEST(WsdlnTest, Explain) {
  ExpectExplain({
      {"WSDLN", "", "no number typed"},
      {"WSDLN", "SMITHJA55BG", "12 characters expected, 11 typed"},
      {"WSDLN", "SMITHJA5.7BG", "the character \".\" cannot stand at place 9"},
      {"WSDLN", "SMITHJA557B!", "the character \"!\" cannot stand at place 12"},
      {"WSDLN", "SMITHJA55XBG", "the letter X cannot stand at place 10"},
      {"WSDLN", "SMITHJA558BG", "check digit should be 7, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
