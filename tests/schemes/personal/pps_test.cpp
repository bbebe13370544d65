// SPDX-License-Identifier: MIT
// PPS: every weight and every letter of the table through thirty numbers in
// a row, and the letter's case.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(PpsTest, Calculate) {
  ExpectCalculate({
      {"PPS", "1234567", "T"},
      {"PPS", "0000000", "W"},
      {"PPS", "123456A", ""},
  });
  ExpectEach("PPS", Consecutive(1234560, 30, 7), "FHJLNPRTVAIKMOQSUWBDLNPRTVACEG");
}

TEST(PpsTest, Check) {
  ExpectCheck({
      {"PPS", "1234567-T", "valid"},
      {"PPS", "1234567t", "invalid"},  // the letter's case counts
      {"PPS", "1234567TW", "invalid"},
  });
}

TEST(PpsTest, Explain) {
  ExpectExplain({
      {"PPS", "", "no number typed"},
      {"PPS", "1234567TW", "8 digits expected, 9 typed"},
      {"PPS", "123456AT", "the letter A cannot stand at place 7"},
      {"PPS", "1234567t", "the letter t cannot stand at place 8"},
      {"PPS", "1234567W", "check character should be T, not W"},
  });
}

}  // namespace
}  // namespace numerant::testing
