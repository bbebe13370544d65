#include "schemes/articles/acl_bol_opc.h"

#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::ExpectCalculate;
using testing::ExpectCheck;

// Fields: CategoryCode CheckDigit PrefixCode.
TEST(AclTest, PrefixAndCategoryAroundAModulo10Digit) {
  ExpectCalculate<ACL>({
      {"340156000000", "9", R"(5 9 "3401")"},
      {"3401-5600 0000", "9", R"(5 9 "3401")"},
      {"34015600000A", "-1", R"(5 -1 "3401")"},
      // A fifth character that is no digit cannot be read as the category.
      {"3401A6000000", "-1", "0 -1 0"},
      {"34015600000", "-1", "0 -1 0"},
  });
  ExpectCheck<ACL>({
      {"3401560000009", true, R"(5 9 "3401")"},
      {"3401560000008", false, R"(5 9 "3401")"},
      {"340156000000", false, "0 -1 0"},
  });
}

TEST(BolTest, SeventeenDigitsOnModulo10) {
  ExpectCalculate<BOL>({
      {"0123456789012345", "2", "2"},
      {"1234567890123456", "0", "0"},
      {"012345678901234", "-1", "-1"},
      {"012345678901234+", "-1", "-1"},
  });
  ExpectCheck<BOL>({
      {"0123-4567-8901-2345-2", true, "2"},
      {"01234567890123453", false, "2"},
      {"0123456789012345", false, "-1"},
  });
}

// Fields: CheckDigit ManufacturerCode ProductCode.
TEST(OpcTest, ManufacturerAndProductAroundALuhnDigit) {
  ExpectCalculate<OPC>({
      {"123456789", "7", R"(7 "12345" "6789")"},
      {"12345678A", "-1", R"(-1 "12345" "678A")"},
      {"12345678", "-1", "-1 0 0"},
  });
  ExpectCheck<OPC>({
      {"12345-6789-7", true, R"(7 "12345" "6789")"},
      {"1234567890", false, R"(7 "12345" "6789")"},
      {"123456789", false, "-1 0 0"},
  });
}

}  // namespace
}  // namespace numerant
