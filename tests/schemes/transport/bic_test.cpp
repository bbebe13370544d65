// SPDX-License-Identifier: MIT
// BIC: the value of every letter, the power of two of every place, the
// remainder 10 and the fields with their crossed names.
#include <cstddef>
#include <string>
#include <string_view>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(BicTest, Calculate) {
  ExpectCalculate({
      // The owner letters are the category code, the category letter the
      // owner code.
      {"BIC", "CSQU 305438", "3", R"(CategoryCode="CSQ" OwnerCode="U" SerialNumber="305438")"},
      {"BIC", "csqu-305438", "3"},
      {"BIC", "MSKU907032", "3"},
      {"BIC", "ZZZU000000", "5"},
      {"BIC", "ABCJ000000", "4"},
      {"BIC", "VWXZ123456", "1"},
      {"BIC", "AAAU000006", "0"},  // remainder 10
      // Places 1 to 4 weigh 1, 2, 4 and 8; the serial digits 16 to 512.
      {"BIC", "BAAU000000", "9"},
      {"BIC", "ABAU000000", "0"},
      {"BIC", "AABU000000", "4"},
      {"BIC", "AAAJ000000", "0"},
      {"BIC", "AAAU100000", "1"},
      {"BIC", "AAAU010000", "6"},
      {"BIC", "AAAU001000", "5"},
      {"BIC", "AAAU000100", "3"},
      {"BIC", "AAAU000010", "0"},
      {"BIC", "AAAU000001", "2"},
      // Without a category letter nothing is read.
      {"BIC", "ABCX123456", "-1", R"(CategoryCode="" OwnerCode="" SerialNumber=0)"},
      {"BIC", "C1QU305438", "-1", R"(CategoryCode="C1Q" OwnerCode="U" SerialNumber="305438")"},
      {"BIC", "CSQU30543A", "-1", R"(SerialNumber="30543A")"},
      {"BIC", "CSQU3054383", "-1", R"(CategoryCode="")"},
  });
}

TEST(BicTest, EveryLetterValue) {
  // Each letter before "AAU000000", and each letter as all three owner
  // letters: together they tell every two letter values apart that differ
  // modulo 11.
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  constexpr std::string_view kFirst = "79001234567900123456790012";
  constexpr std::string_view kOwner = "70629518407062951840706295";
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    const std::string first = kLetters[i] + std::string("AAU000000");
    const std::string owner = std::string(3, kLetters[i]) + "U000000";
    EXPECT_EQ(Create("BIC")->CalculateText(first), std::string(1, kFirst[i])) << first;
    EXPECT_EQ(Create("BIC")->CalculateText(owner), std::string(1, kOwner[i])) << owner;
  }
}

TEST(BicTest, Check) {
  ExpectCheck({
      {"BIC", "CSQU3054383", "valid", R"(CategoryCode="CSQ" CheckDigit=3)"},
      {"BIC", "csqu 305438 3", "valid"},
      {"BIC", "AAAU0000060", "valid"},
      {"BIC", "CSQU3054384", "invalid", "CheckDigit=3"},
  });
}

}  // namespace
}  // namespace numerant::testing
