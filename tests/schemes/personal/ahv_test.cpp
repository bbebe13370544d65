// SPDX-License-Identifier: MIT
// AHV: every remainder, the sex of every sex digit, where citizenship ends,
// and the order in which the fields are read.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(AhvTest, Calculate) {
  ExpectCalculate({
      {"AHV", "782.34.652.01", "9",
       R"(AlphabetGroup="782" Citizen=true Gender=2 QuarterDay="52" SerialNumber=0 Year="34")"},
      {"AHV", "3564856112", "-1", "Citizen=true Gender=2 SerialNumber=1"},  // remainder 1
      {"AHV", "3564856118", "9", "Citizen=false"},
      // The origin digit is read first, then the sex digit, the day and the
      // serial digit, and last the year.
      {"AHV", "782346520A", "-1",
       R"(AlphabetGroup="782" Citizen=false Gender=0 QuarterDay=0 SerialNumber=0 Year=0)"},
      {"AHV", "78234X5201", "-1", R"(Citizen=true Gender=0 QuarterDay=0)"},
      {"AHV", "78234652X1", "-1", R"(Gender=2 QuarterDay="52" SerialNumber=0 Year=0)"},
      {"AHV", "782-34-652-01", "-1", "AlphabetGroup=0"},  // hyphens stay
  });
}

TEST(AhvTest, EverySexAndOriginDigit) {
  const auto sex = Vary("78234_5201", 5);
  ExpectEach("AHV", sex, "1 6 0 5 -1 4 9 3 8 2");
  ExpectEach("AHV", sex, "0 1 1 1 1 2 2 2 2 0", "Gender");
  const auto origin = Vary("782346520_", 9);
  ExpectEach("AHV", origin, "0 9 7 5 3 1 -1 8 6 4");
  ExpectEach("AHV", origin, "true true true true true false false false false false", "Citizen");
}

TEST(AhvTest, Check) {
  ExpectCheck({
      {"AHV", "782.34.652.019", "valid"},
      {"AHV", "782-34-652-019", "invalid"},
      {"AHV", "78234652043", "valid", "Citizen=true"},
  });
}

TEST(AhvTest, Explain) {
  ExpectExplain({
      {"AHV", "", "no number typed"},
      {"AHV", "782-34-652-019", "11 digits expected, 14 typed"},
      {"AHV", "782.34.X52.019", "the letter X cannot stand at place 8"},
      {"AHV", "356.48.561.120", "no check digit exists for this number"},
      {"AHV", "78234652018", "check digit should be 9, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
