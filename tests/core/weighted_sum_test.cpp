// SPDX-License-Identifier: MIT
#include "core/weighted_sum.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace numerant {
namespace {

TEST(WeightedSumTest, SumsEachDigitTimesItsWeight) {
  constexpr std::array<std::int16_t, 3> kWeights{3640, 2, 1};
  const struct {
    const char* digits;
    int start;
    std::optional<std::int16_t> sum;
  } cases[] = {
      {"123", 0, 3647},         {"123", 5, 3652},          {"904", 0, 32764},
      {"982", 0, std::nullopt},  // leaves 16 bits
      {"904", 4, std::nullopt}, {"12a", 0, std::nullopt},  {"1 3", 0, std::nullopt},
      {"12", 0, std::nullopt},  {"1234", 0, std::nullopt},  // weights and digits pair off
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeightedDigitSum(c.digits, kWeights, c.start), c.sum) << c.digits << " " << c.start;
  }
}

// A sum that passes out of the 16-bit range on its way fails even where it
// comes back: a negative weight after heavy ones, or a product too large
// alone.
TEST(WeightedSumTest, EveryStepStaysInSixteenBits) {
  constexpr std::array<std::int16_t, 3> kBackAndForth{9000, 9000, -9000};
  constexpr std::array<std::int16_t, 2> kHeavy{-4000, 30000};
  EXPECT_EQ(WeightedDigitSum("212", kBackAndForth), 9000);
  EXPECT_EQ(WeightedDigitSum("333", kBackAndForth), std::nullopt);  // 54,000 on the way
  EXPECT_EQ(WeightedDigitSum("21", kHeavy), 22000);
  EXPECT_EQ(WeightedDigitSum("22", kHeavy), std::nullopt);  // 60,000 as a product
  EXPECT_EQ(WeightedDigitSum("11", kHeavy, -32768), std::nullopt);
  EXPECT_EQ(WeightedDigitSum("11", kHeavy, Int16::Failed()), std::nullopt);
}

// Against the sum taken one checked step at a time, over random digits,
// weights of either sign and starts.
TEST(WeightedSumTest, AgreesWithTheStepwiseSum) {
  std::mt19937 random(11);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int n = 0; n < 50000; ++n) {
    const auto length = static_cast<std::size_t>(pick(0, 14));
    const int reach = n % 3 == 0 ? 32767 : n % 3 == 1 ? 4000 : 12;
    const bool mixed = n % 4 == 0;
    std::vector<std::int16_t> weights;
    std::string digits;
    for (std::size_t i = 0; i < length; ++i) {
      weights.push_back(static_cast<std::int16_t>(pick(mixed ? -reach : 0, reach)));
      digits += static_cast<char>(pick(0, 200) == 0 ? pick(1, 255) : '0' + pick(0, 9));
    }
    const Int16 start = n % 5 == 0 ? Int16(pick(-32768, 32767)) : Int16(0);
    Int16 stepwise = start;
    bool all_digits = true;
    for (std::size_t i = 0; i < length; ++i) {
      all_digits &= IsDigit(digits[i]);
      stepwise += Int16(DigitValue(digits[i])) * weights[i];
    }
    const std::optional<std::int16_t> expected =
        all_digits && stepwise.ok() ? std::optional(stepwise.value()) : std::nullopt;
    ASSERT_EQ(WeightedDigitSum(digits, weights, start), expected) << n;
  }
}

}  // namespace
}  // namespace numerant
