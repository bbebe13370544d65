// SPDX-License-Identifier: MIT
// AK and IK: both weightings, what every first digit means, and the fields
// that stay read when a number is rejected.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(AkIkTest, Calculate) {
  ExpectCalculate({
      {"AK", "3900101000", "0", R"(BirthDate="900101" Century=19 Gender=1 SerialNumber="000")"},
      {"IK", "39001-01000", "0", "Century=20"},
      // The first weighting leaves 10: AK weighs again, IK keeps 10.
      {"AK", "4850315123", "3", R"(BirthDate="850315" Century=19 Gender=2 SerialNumber="123")"},
      {"IK", "4850315123", "10", "Century=20 Gender=2"},
      {"AK", "3870318015", "7"},
      {"IK", "3870318015", "10"},
      {"AK", "3900101059", "0"},  // both weightings leave 10
      {"AK", "5020814263", "4"},
      {"IK", "5020814263", "4"},
      // A first character that is not a digit keeps only the birth date.
      {"AK", "A900101000", "-1", R"(BirthDate="900101" Century=0 Gender=0 SerialNumber=0)"},
      {"IK", "390010100X", "-1", R"(BirthDate="900101" Century=20 Gender=1 SerialNumber="00X")"},
      {"AK", "39001010000", "-1", "BirthDate=0"},
  });
}

TEST(AkIkTest, EveryFirstDigit) {
  const auto payloads = Vary("_850315123", 0);
  ExpectEach("AK", payloads, "6 7 8 9 3 0 1 2 3 4");
  ExpectEach("IK", payloads, "6 7 8 9 10 0 1 2 3 4");
  ExpectEach("AK", payloads, "17 18 18 19 19 20 20 21 21 22", "Century");
  ExpectEach("IK", payloads, "0 19 19 20 20 21 21 0 0 0", "Century");
  ExpectEach("AK", payloads, "0 1 2 1 2 1 2 1 2 0", "Gender");
  ExpectEach("IK", payloads, "2 1 2 1 2 1 2 1 2 1", "Gender");
}

TEST(AkIkTest, Check) {
  ExpectCheck({
      {"AK", "48503151233", "valid"},
      {"IK", "3 9001-01 0000", "valid"},
      {"IK", "48503151231", "invalid", "CheckDigit=10"},
      {"IK", "48503151230", "invalid"},
  });
}

TEST(AkIkTest, Explain) {
  ExpectExplain({
      {"AK", " - ", "no number typed"},
      {"AK", "4850315123", "11 digits expected, 10 typed"},
      {"AK", "A8503151233", "the letter A cannot stand at place 1"},
      {"IK", "48503151X33", "the letter X cannot stand at place 9"},
      {"IK", "48503151231", "no check digit exists for this number"},
      {"AK", "4850-315123-4", "check digit should be 3, not 4"},
  });
}

}  // namespace
}  // namespace numerant::testing
