// SPDX-License-Identifier: MIT
// PNR: the Luhn digit over the whole payload and the fields read before the
// digits are tested.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(PnrTest, Calculate) {
  ExpectCalculate({
      {"PNR", "850315123", "8", R"(BirthDate="850315" Gender=1)"},
      {"PNR", "850315-124", "6", "Gender=2"},
      {"PNR", "8503151A3", "-1", R"(BirthDate="850315" Gender=1)"},
      {"PNR", "85031512A", "-1", R"(BirthDate="850315" Gender=0)"},
  });
}

TEST(PnrTest, Check) {
  ExpectCheck({
      {"PNR", "850315-1238", "valid"},
      {"PNR", "850315 1238", "valid"},
      {"PNR", "8503151239", "invalid", "CheckDigit=8"},
      {"PNR", "850315.1238", "invalid"},
  });
}

TEST(PnrTest, Explain) {
  ExpectExplain({
      {"PNR", "", "no number typed"},
      {"PNR", "850315.1238", "10 digits expected, 11 typed"},
      {"PNR", "8503151A38", "the letter A cannot stand at place 8"},
      {"PNR", "850315-12A8", "the letter A cannot stand at place 10"},
      {"PNR", "8503151239", "check digit should be 8, not 9"},
  });
}

}  // namespace
}  // namespace numerant::testing
