// SPDX-License-Identifier: MIT
// The building blocks and the numbers of the general family. Fields follow
// each class's Descriptor: Modulo97 CheckDigit Reverse.
#include <string>
#include <utility>

#include "core/alternating_weights.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "schemes/general/modulo97.h"
#include "schemes/general/verhoeff.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(GeneralTest, Calculate) {
  ExpectCalculate({
      {"Luhn", "7992739871", "3"},
      {"Luhn", "5", "9"},
      {"Luhn", "0018", "2"},  // leading zeros change nothing
      {"Luhn", "4.1", "-1"},
      {"Modulo10", "400638133393", "1"},
      {"Modulo10", "12", "3"},  // the rightmost digit weighs 3
      {"Modulo10", "05", "5"},
      {"Verhoeff", "236", "3"},
      {"Verhoeff", "0", "4"},
      {"Verhoeff", "8473643095", "0"},
      {"Verhoeff", "23a6", "-1"},
      {"Modulo97", "123456789", "39", R"(CheckDigit="39" Reverse=false)"},
      {"Modulo97", "1-2.3+4/5", "26"},
      {"Modulo97", "2147483648", "66"},  // read exactly beyond 32 bits
      {"Modulo97", "1,5", "-1"},
  });
}

TEST(GeneralTest, Check) {
  ExpectCheck({
      {"Luhn", "00", "valid"},
      {"Luhn", "0", "invalid"},
      {"Verhoeff", "04", "valid"},
      {"Verhoeff", "1234", "invalid", "CheckDigit=3"},  // the payload's digit stays
      {"Modulo97", "12+3/2 6", "valid"},
      {"Modulo97", "1236", "invalid"},  // "6" is not "06"
  });
}

TEST(GeneralTest, DigitSumOfADoubledDigit) {
  const std::pair<std::uint8_t, std::uint8_t> cases[] = {{9, 9}, {18, 9}, {99, 18}, {123, 15}};
  for (const auto& [n, sum] : cases)
    EXPECT_EQ(DigitSum(n), sum) << int{n};
}

TEST(GeneralTest, SixteenBitSumsAndLengthsBeyond32767Fail) {
  // Nines add 9 each in Luhn: 3640 of them sum to 32760, one more
  // overflows; pairs of nines add 36 in Modulo10.
  EXPECT_EQ(Luhn().Calculate(std::string(3640, '9')), 0);
  EXPECT_EQ(Luhn().Calculate(std::string(3641, '9')), -1);
  EXPECT_EQ(Modulo10().Calculate(std::string(1820, '9')), 0);
  EXPECT_EQ(Modulo10().Calculate(std::string(1821, '9')), -1);
  EXPECT_EQ(Luhn().Calculate(std::string(32768, '0')), -1);
  EXPECT_EQ(Modulo10().Calculate(std::string(32768, '0')), -1);
  EXPECT_NE(Verhoeff().Calculate(std::string(32766, '1')), -1);
  EXPECT_EQ(Verhoeff().Calculate(std::string(32767, '1')), -1);  // 32768 with its digit
}

TEST(GeneralTest, Modulo97ReversedKeepsItsRuleAcrossCalls) {
  const std::pair<std::string, const char*> cases[] = {
      {"123456789", "58"}, {"0", "97"}, {"2147483648", "31"}, {"1" + std::string(96, '0'), "96"}};
  Modulo97 modulo97;
  modulo97.SetReverse(true);
  for (const auto& [payload, check_digits] : cases)
    EXPECT_EQ(modulo97.Calculate(payload), check_digits) << payload;
  EXPECT_TRUE(modulo97.Check("12371"));
  EXPECT_FALSE(modulo97.Check("12"));
  EXPECT_EQ(modulo97.CheckDigit(), FieldValue(std::int16_t{-1}));
  EXPECT_TRUE(modulo97.Reverse());
}

// Single-digit errors are covered for every promising scheme by the
// property tests; swaps of neighbours are Verhoeff's own promise.
TEST(GeneralTest, VerhoeffCatchesEverySwapOfNeighbours) {
  const std::string valid = "84736430950";
  Verhoeff verhoeff;
  ASSERT_TRUE(verhoeff.Check(valid));
  for (std::size_t i = 0; i < valid.size(); ++i) {
    if (i + 1 < valid.size() && valid[i] != valid[i + 1]) {
      std::string swapped = valid;
      std::swap(swapped[i], swapped[i + 1]);
      EXPECT_FALSE(verhoeff.Check(swapped)) << swapped;
    }
  }
}

}  // namespace
}  // namespace numerant::testing
