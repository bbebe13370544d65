// SPDX-License-Identifier: MIT
// INSZ: 97 minus the remainder, remainder 0 giving 97, the marks that count
// towards the length but not the value, and the fields read first.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(InszTest, Calculate) {
  ExpectCalculate({
      {"INSZ", "850315123", "69", R"(BirthDate="850315" Gender=1 SerialNumber="123")"},
      {"INSZ", "850315124", "68", "Gender=2"},
      {"INSZ", "850315192", "97"},  // remainder 0
      {"INSZ", "000000096", "01"},
      // A slash or plus sign counts towards the length, not the value.
      {"INSZ", "85/315123", "63", R"(BirthDate="85/315" SerialNumber="123")"},
      {"INSZ", "85+315123", "63"},
      {"INSZ", "85031A123", "-1", R"(BirthDate="85031A" Gender=1 SerialNumber="123")"},
      {"INSZ", "8503151A3", "-1", R"(BirthDate="850315" Gender=0 SerialNumber=0)"},
  });
}

TEST(InszTest, Check) {
  ExpectCheck({
      {"INSZ", "85.03.15-123.69", "valid"},
      {"INSZ", "85031512370", "invalid", R"(CheckDigit="69")"},
      {"INSZ", "850315123+69", "invalid"},
  });
}

TEST(InszTest, Explain) {
  ExpectExplain({
      {"INSZ", ".", "no number typed"},
      {"INSZ", "85031512", "11 digits expected, 8 typed"},
      {"INSZ", "85.03.1A-123.69", "the letter A cannot stand at place 8"},
      {"INSZ", "8503151X369", "the letter X cannot stand at place 8"},
      {"INSZ", "85031512370", "check digits should be 69, not 70"},
  });
}

}  // namespace
}  // namespace numerant::testing
