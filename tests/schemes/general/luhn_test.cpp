#include "schemes/general/luhn.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant {
namespace {

TEST(LuhnTest, DigitSum) {
  const struct {
    std::uint8_t n, sum;
  } cases[] = {{0, 0}, {9, 9}, {10, 1}, {18, 9}, {99, 18}, {123, 15}, {255, 30}};
  for (const auto& c : cases)
    EXPECT_EQ(DigitSum(c.n), c.sum) << int{c.n};
}

TEST(LuhnTest, Calculate) {
  const struct {
    std::string payload;
    std::int16_t check_digit;
  } cases[] = {
      {"7992739871", 3},   {"0", 0},  {"5", 9},    {"12a4", -1}, {"", -1}, {" -", -1},
      {"7992-7398 71", 3}, {"18", 2}, {"0018", 2}, {"4.1", -1},
  };
  for (const auto& c : cases) {
    Luhn luhn;
    EXPECT_EQ(luhn.Calculate(c.payload), c.check_digit) << c.payload;
    EXPECT_EQ(luhn.CheckDigit(), c.check_digit) << c.payload;
  }
}

TEST(LuhnTest, Check) {
  const struct {
    std::string number;
    bool valid;
  } cases[] = {
      {"79927398713", true},  {"7992 7398-713", true},
      {"79927398710", false}, {"12a47", false},
      {"0", false},           {"00", true},
      {"7992739871a", false}, {"7992739871:", false},
  };
  for (const auto& c : cases) {
    Luhn luhn;
    EXPECT_EQ(luhn.Check(c.number), c.valid) << c.number;
  }
}

TEST(LuhnTest, SixteenBitSumOverflowIsAFailure) {
  Luhn luhn;
  // Nines add 9 each: 3640 of them sum to 32760, one more overflows.
  EXPECT_EQ(luhn.Calculate(std::string(3640, '9')), 0);
  EXPECT_EQ(luhn.Calculate(std::string(3641, '9')), -1);
  EXPECT_EQ(luhn.Calculate(std::string(32768, '0')), -1);  // over-long payload
}

}  // namespace
}  // namespace numerant
