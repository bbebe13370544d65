// SPDX-License-Identifier: MIT
// NID: the decade and century of every kind of first character at the ends
// of its range, the months on both sides of each sex, and the check
// characters of signed remainders.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(NidTest, Calculate) {
  ExpectCalculate({
      {"NID", "85-0315-123", "G", R"(BirthDate="850315" Century=19 Gender=1 SequenceNumber="123")"},
      {"NID", "H55315123", "O", R"(BirthDate="750315" Century=20 Gender=2)"},
      {"NID", "K55131512", "G", R"(BirthDate="050131" Century=21 Gender=2)"},
      {"NID", "850315104", "@"},  // remainder 0
      // The sum -16 keeps its sign.
      {"NID", "000000000", "0", R"(BirthDate="000000" Century=19 Gender=0)"},
      // A first character outside the three ranges counts by its code.
      {"NID", "U12345678", "H", R"(BirthDate=0 Century=0 Gender=0 SequenceNumber="678")"},
      {"NID", "h55315123", "A", R"(BirthDate=0 Century=0 Gender=2)"},
      {"NID", "8503X5123", "", R"(BirthDate="8503X5" Century=19 Gender=1)"},
      {"NID", "85X315123", "", R"(BirthDate=0 Century=0 Gender=0 SequenceNumber=0)"},
  });
}

TEST(NidTest, EveryDecadeRangeAndMonth) {
  const auto first = Vary("_50315123", 0, "09AJKTU");
  ExpectEach("NID", first, "VHPBCLM");
  ExpectEach("NID", first, "19 19 20 20 21 21 0", "Century");
  ExpectEach("NID", first, R"("050315" "950315" "050315" "950315" "050315" "950315" 0)",
             "BirthDate");
  const std::vector<std::string> months{"850015123", "850115123", "851215123", "851315123",
                                        "855015123", "855115123", "856215123", "856315123"};
  ExpectEach("NID", months, "RVFJJNUB");
  ExpectEach("NID", months, "0 1 1 0 0 2 2 0", "Gender");
  ExpectEach("NID", months,
             R"("850015" "850115" "851215" "851315" "850015" "850115" "851215" "851315")",
             "BirthDate");
}

TEST(NidTest, Check) {
  ExpectCheck({
      {"NID", "850315104@", "valid"},
      {"NID", "850315123g", "invalid"},
      {"NID", "0000000000", "valid"},
  });
}

TEST(NidTest, Explain) {
  ExpectExplain({
      {"NID", "", "no number typed"},
      {"NID", "850315123", "10 characters expected, 9 typed"},
      {"NID", "85-X3-15123G", "the letter X cannot stand at place 4"},
      {"NID", "8503X5123G", "the letter X cannot stand at place 5"},
      {"NID", "850315123H", "check character should be G, not H"},
  });
}

}  // namespace
}  // namespace numerant::testing
