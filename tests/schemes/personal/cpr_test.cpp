// SPDX-License-Identifier: MIT
// CPR: every remainder, remainder 1 without a check digit, and the century
// of every sequence digit on both sides of the years where it turns.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(CprTest, Calculate) {
  ExpectCalculate({
      {"CPR", "150385412", "7", R"(BirthDate="150385" Century=20 SequenceNumber="412")"},
      {"CPR", "010150512", "-1", R"(Century=21 SequenceNumber="512")"},  // remainder 1
      {"CPR", "241290019", "-1"},
      // The year is read only where the century depends on it.
      {"CPR", "0101XX012", "-1", R"(BirthDate="0101XX" Century=20 SequenceNumber="012")"},
      {"CPR", "0101XX512", "-1", R"(BirthDate="0101XX" Century=0 SequenceNumber=0)"},
  });
  ExpectEach("CPR", Vary("15038541_", 8), "0 9 7 5 3 1 -1 8 6 4");
}

TEST(CprTest, CenturyOfEverySequenceDigit) {
  // Digits 0 to 3 always give the 1900s; 4 and 9 the 2000s up to year 36;
  // 5 to 8 the 2000s up to 57 and the 1800s from 58.
  ExpectEach("CPR", Vary("010136_12", 6), "20 20 20 20 21 21 21 21 21 21", "Century");
  ExpectEach("CPR", Vary("010137_12", 6), "20 20 20 20 20 21 21 21 21 20", "Century");
  ExpectEach("CPR", Vary("010157_12", 6), "20 20 20 20 20 21 21 21 21 20", "Century");
  ExpectEach("CPR", Vary("010158_12", 6), "20 20 20 20 20 19 19 19 19 20", "Century");
}

TEST(CprTest, Check) {
  ExpectCheck({
      {"CPR", "150385-4127", "valid"},
      {"CPR", "1503854126", "invalid", "CheckDigit=7"},
  });
}

TEST(CprTest, Explain) {
  ExpectExplain({
      {"CPR", "-", "no number typed"},
      {"CPR", "150385412", "10 digits expected, 9 typed"},
      {"CPR", "0101XX5123", "the letter X cannot stand at place 5"},
      {"CPR", "150385-X127", "the letter X cannot stand at place 8"},
      {"CPR", "010150-5120", "no check digit exists for this number"},
      {"CPR", "1503854128", "check digit should be 7, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
