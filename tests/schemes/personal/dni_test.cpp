// SPDX-License-Identifier: MIT
// DNI: every letter of the table, through twenty-three numbers in a row, and
// the letter's case.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(DniTest, Calculate) {
  ExpectCalculate({
      {"DNI", "1234-5678", "Z"},
      {"DNI", "99999999", "R"},
      {"DNI", "1234.567", ""},  // a full stop is not removed
      {"DNI", "+1234567", ""},  // nor read as a sign
  });
  ExpectEach("DNI", Consecutive(12345678, 23, 8), "ZSQVHLCKETRWAGMYFPDXBNJ");
}

TEST(DniTest, Check) {
  ExpectCheck({
      {"DNI", "12345678-Z", "valid"},
      {"DNI", "12345678z", "invalid", R"(CheckDigit="Z")"},  // no upper-casing
  });
}

TEST(DniTest, Explain) {
  ExpectExplain({
      {"DNI", "", "no number typed"},
      {"DNI", "12345678", "9 digits expected, 8 typed"},
      {"DNI", "1234567AZ", "the letter A cannot stand at place 8"},
      {"DNI", "12345678z", "the letter z cannot stand at place 9"},
      {"DNI", "123456780", "the digit 0 cannot stand at place 9"},
      {"DNI", "12345678A", "check character should be Z, not A"},
  });
}

}  // namespace
}  // namespace numerant::testing
