#include "core/weighted_sum.h"

#include <array>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace numerant
