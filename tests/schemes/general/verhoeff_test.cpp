#include "schemes/general/verhoeff.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant {
namespace {

TEST(VerhoeffTest, Calculate) {
  const struct {
    const char* payload;
    std::int16_t check_digit;
  } cases[] = {
      {"0", 4},
      {"1", 5},
      {"5", 8},
      {"9", 1},
      {"236", 3},
      {"12345", 1},
      {"2-3 6", 3},
      {"", -1},
      {" - -", -1},
      {"23a6", -1},
      {"142857", 0},
      {"8473643095", 0},
      {"123456789012", 0},
      {"+236", -1},
  };
  for (const auto& c : cases) {
    Verhoeff verhoeff;
    EXPECT_EQ(verhoeff.Calculate(c.payload), c.check_digit) << c.payload;
    EXPECT_EQ(verhoeff.CheckDigit(), c.check_digit) << c.payload;
  }
}

TEST(VerhoeffTest, Check) {
  const struct {
    const char* number;
    bool valid;
  } cases[] = {
      {"2363", true},   {"2-3 6 3", true}, {"123451", true},      {"1234", false},
      {"04", true},     {"3", false},      {"", false},           {"236x", false},
      {"23a63", false}, {"2364", false},   {"84736430950", true},
  };
  for (const auto& c : cases) {
    Verhoeff verhoeff;
    EXPECT_EQ(verhoeff.Check(c.number), c.valid) << c.number;
  }
}

TEST(VerhoeffTest, CatchesEverySingleDigitErrorAndAdjacentSwap) {
  const std::string valid = "84736430950";
  Verhoeff verhoeff;
  ASSERT_TRUE(verhoeff.Check(valid));
  for (std::size_t i = 0; i < valid.size(); ++i) {
    for (char digit = '0'; digit <= '9'; ++digit) {
      if (digit == valid[i]) continue;
      std::string changed = valid;
      changed[i] = digit;
      EXPECT_FALSE(verhoeff.Check(changed)) << changed;
    }
    if (i + 1 < valid.size() && valid[i] != valid[i + 1]) {
      std::string swapped = valid;
      std::swap(swapped[i], swapped[i + 1]);
      EXPECT_FALSE(verhoeff.Check(swapped)) << swapped;
    }
  }
}

TEST(VerhoeffTest, KeepsTheCheckDigitOfThePayloadAfterAFailedComparison) {
  Verhoeff verhoeff;
  EXPECT_FALSE(verhoeff.Check("1234"));
  EXPECT_EQ(verhoeff.CheckDigit(), 3);
  EXPECT_FALSE(verhoeff.Check("12a4"));
  EXPECT_EQ(verhoeff.CheckDigit(), -1);
}

TEST(VerhoeffTest, RejectsPayloadsLongerThan32767Digits) {
  Verhoeff verhoeff;
  EXPECT_NE(verhoeff.Calculate(std::string(32766, '1')), -1);
  EXPECT_EQ(verhoeff.Calculate(std::string(32767, '1')), -1);  // 32768 with the placeholder
}

}  // namespace
}  // namespace numerant
