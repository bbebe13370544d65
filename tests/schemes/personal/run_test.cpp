// SPDX-License-Identifier: MIT
// RUN: every weight and every remainder, "K" among them, through fourteen
// numbers in a row; the hyphen that is not removed.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(RunTest, Calculate) {
  ExpectCalculate({
      {"RUN", "12.345.678", "5"},
      {"RUN", "10000013", "K"},
      {"RUN", "9876543", "-1", R"(CheckDigit="-1")"},
      {"RUN", "1234-567", "-1"},  // a hyphen is not removed
  });
  ExpectEach("RUN", Consecutive(12345670, 14, 8), "K8642097537531");
  // "" until the first call, "-1" after a call that computed nothing.
  EXPECT_EQ(NamedFields(*Create("RUN"), R"(CheckDigit="")"), R"(CheckDigit="")");
}

TEST(RunTest, Check) {
  ExpectCheck({
      {"RUN", "12.345.678 5", "valid"},
      {"RUN", "12.345.678-5", "invalid", R"(CheckDigit="-1")"},
      {"RUN", "10000013K", "valid"},
      {"RUN", "10000013k", "invalid", R"(CheckDigit="K")"},
  });
}

TEST(RunTest, Explain) {
  ExpectExplain({
      {"RUN", "", "no number typed"},
      {"RUN", "12.345.678-5", "9 digits expected, 10 typed"},
      {"RUN", "1234567X5", "the letter X cannot stand at place 8"},
      {"RUN", "10000013k", "the letter k cannot stand at place 9"},
      {"RUN", "12.345.678 4", "check character should be 5, not 4"},
  });
}

}  // namespace
}  // namespace numerant::testing
