#include "schemes/articles/acl_bol_opc.h"

#include <gtest/gtest.h>

#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

// ACL fields: CategoryCode CheckDigit PrefixCode. A fifth character that is
// no digit cannot be read as the category and stops the step.
TEST(AclBolOpcTest, AclIsAModulo10DigitWithPrefixAndCategory) {
  typed_cases::ExpectCalculate<ACL>({
      {"3401-5600 0000", "9", R"(5 9 "3401")"},
      {"34015600000A", "-1", R"(5 -1 "3401")"},
      {"3401A6000000", "-1", "0 -1 0"},
      {"34015600000", "-1", "0 -1 0"},
  });
  typed_cases::ExpectCheck<ACL>({{"3401560000008", "invalid", R"(5 9 "3401")"}});
}

TEST(AclBolOpcTest, BolIsAModulo10DigitOnSixteen) {
  typed_cases::ExpectCalculate<BOL>({
      {"0123456789012345", "2", "2"},
      {"1234567890123456", "0", "0"},
      {"012345678901234", "-1", "-1"},
      {"012345678901234+", "-1", "-1"},
  });
  typed_cases::ExpectCheck<BOL>({{"0123456789012345", "invalid", "-1"}});
}

// OPC fields: CheckDigit ManufacturerCode ProductCode.
TEST(AclBolOpcTest, OpcIsALuhnDigitWithManufacturerAndProduct) {
  typed_cases::ExpectCalculate<OPC>({
      {"123456789", "7", R"(7 "12345" "6789")"},
      {"12345678A", "-1", R"(-1 "12345" "678A")"},
      {"12345678", "-1", "-1 0 0"},
  });
  typed_cases::ExpectCheck<OPC>({{"12345-6789-7", "valid", R"(7 "12345" "6789")"}});
}

}  // namespace
}  // namespace numerant
