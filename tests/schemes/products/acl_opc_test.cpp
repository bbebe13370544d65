// SPDX-License-Identifier: MIT
// ACL and OPC: the weighting from the right, the fields at their boundaries,
// and the findings.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(AclOpcTest, Calculate) {
  ExpectCalculate({
      {"ACL", "3401-5600 0000", "9", R"(CategoryCode=5 PrefixCode="3401")"},
      {"ACL", "123456789012", "8", R"(CategoryCode=5 PrefixCode="1234")"},
      {"ACL", "000000000001", "7"},  // the rightmost digit weighs 3
      {"ACL", "34015600000A", "-1", R"(CategoryCode=5 PrefixCode="3401")"},
      // A fifth character that is no digit stops the step before the prefix.
      {"ACL", "3401A6000000", "-1", R"(CategoryCode=0 PrefixCode=0)"},
      {"ACL", "3401560000009", "-1", R"(CategoryCode=0)"},
      {"OPC", "123456789", "7", R"(ManufacturerCode="12345" ProductCode="6789")"},
      {"OPC", "000000001", "8"},  // the rightmost digit is doubled
      {"OPC", "000000010", "9"},
      {"OPC", "987654321", "7"},
      {"OPC", "12345678A", "-1", R"(ManufacturerCode="12345" ProductCode="678A")"},
      {"OPC", "1234567897", "-1", R"(ManufacturerCode=0)"},
  });
  ExpectCheck({
      {"ACL", "3401560000009", "valid", R"(CategoryCode=5 CheckDigit=9)"},
      {"ACL", "3401560000008", "invalid", "CheckDigit=9"},
      {"OPC", "12345-6789-7", "valid", R"(CheckDigit=7 ManufacturerCode="12345")"},
      {"OPC", "1234567898", "invalid"},
  });
}

TEST(AclOpcTest, Explain) {
  ExpectExplain({
      {"ACL", " - ", "no number typed"},
      {"ACL", "340156000000", "13 digits expected, 12 typed"},
      {"ACL", "3401A60000009", "the letter A cannot stand at place 5"},
      {"ACL", "34015600000A9", "the letter A cannot stand at place 12"},
      {"ACL", "3401560000008", "check digit should be 9, not 8"},
      {"OPC", "12345-678A-7", "the letter A cannot stand at place 10"},
      {"OPC", "12345-6789-8", "check digit should be 7, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
