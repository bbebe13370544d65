// SPDX-License-Identifier: MIT
// CPF: both weightings and every remainder of each, through nineteen numbers
// in a row.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(CpfTest, Calculate) {
  ExpectCalculate({
      {"CPF", "123.456 789", "09", R"(CheckDigit="09")"},
      {"CPF", "111444777", "35"},
      {"CPF", "000000000", "00"},
      {"CPF", "123/456/789", "-1"},  // a slash is not removed
  });
  ExpectEach("CPF", Consecutive(123456780, 19, 9),
             "62 43 24 05 96 77 58 39 10 09 34 15 04 87 68 49 20 00 91");
}

TEST(CpfTest, Check) {
  ExpectCheck({
      {"CPF", "123.456.789-09", "valid"},
      {"CPF", "12345678908", "invalid", R"(CheckDigit="09")"},
  });
}

TEST(CpfTest, Explain) {
  ExpectExplain({
      {"CPF", "", "no number typed"},
      {"CPF", "1234567890", "11 digits expected, 10 typed"},
      {"CPF", "123.456.78X-09", "the letter X cannot stand at place 11"},
      {"CPF", "123.456.789-08", "check digits should be 09, not 08"},
  });
}

}  // namespace
}  // namespace numerant::testing
