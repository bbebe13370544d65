#include <gtest/gtest.h>

#include "schemes/personal/insz.h"
#include "schemes/personal/pnr.h"

namespace numerant {
namespace {

const FieldValue kNotDecoded = std::int16_t{0};
const FieldValue kUnset = std::int16_t{-1};

TEST(PnrTest, CalculateDecodesBeforeValidating) {
  const struct {
    const char* number;
    std::int16_t check_digit;
    FieldValue birth_date;
    std::int32_t gender;
  } cases[] = {
      {"850315123", 8, "850315", 1},    {"850315-124", 6, "850315", 2},
      {"8503151A3", -1, "850315", 1},  // the Luhn object rejects the body
      {"85031512A", -1, "850315", 0},  // no sex digit
      {"85031512", -1, kNotDecoded, 0},
  };
  for (const auto& c : cases) {
    PNR pnr;
    EXPECT_EQ(pnr.Calculate(c.number), c.check_digit) << c.number;
    EXPECT_EQ(pnr.BirthDate(), c.birth_date) << c.number;
    EXPECT_EQ(pnr.Gender(), c.gender) << c.number;
  }
}

TEST(PnrTest, Check) {
  const struct {
    const char* number;
    bool valid;
  } cases[] = {{"8503151238", true},  {"850315-1238", true}, {"850315 1238", true},
               {"8503151239", false}, {"850315123X", false}, {"850315.1238", false}};
  for (const auto& c : cases)
    EXPECT_EQ(PNR().Check(c.number), c.valid) << c.number;
}

TEST(InszTest, CalculateDecodesBeforeValidating) {
  const struct {
    const char* number;
    FieldValue check_digits, birth_date, serial_number;
    std::int32_t gender;
  } cases[] = {
      {"850315123", "69", "850315", "123", 1},
      {"850315124", "68", "850315", "124", 2},
      {"850315192", "97", "850315", "192", 2},  // remainder 0 gives 97
      {"000101001", "73", "000101", "001", 1},  // born in 2000: no prefix
      // A plus sign or slash counts towards the length, not the value.
      {"85/315123", "63", "85/315", "123", 1},
      {"85031A123", kUnset, "85031A", "123", 1},
      {"8503151A3", kUnset, "850315", kNotDecoded, 0},
      {"85031512", kUnset, kNotDecoded, kNotDecoded, 0},
  };
  for (const auto& c : cases) {
    INSZ insz;
    EXPECT_EQ(insz.Calculate(c.number), c.check_digits) << c.number;
    EXPECT_EQ(insz.BirthDate(), c.birth_date) << c.number;
    EXPECT_EQ(insz.SerialNumber(), c.serial_number) << c.number;
    EXPECT_EQ(insz.Gender(), c.gender) << c.number;
  }
}

TEST(InszTest, Check) {
  const struct {
    const char* number;
    bool valid;
  } cases[] = {{"85031512369", true},  {"85.03.15-123.69", true}, {"85031512370", false},
               {"8503151236A", false}, {"850315123+69", false},   {"85031519297", true}};
  for (const auto& c : cases)
    EXPECT_EQ(INSZ().Check(c.number), c.valid) << c.number;
}

TEST(PnrInszTest, FieldsOfARejectedNumberSurviveUntilTheNextCall) {
  PNR pnr;
  EXPECT_FALSE(pnr.Check("8503151239"));
  EXPECT_EQ(pnr.BirthDate(), "850315");
  EXPECT_EQ(pnr.CheckDigit(), 8);
  EXPECT_EQ(pnr.Calculate("12"), -1);
  EXPECT_EQ(pnr.BirthDate(), kNotDecoded);
  EXPECT_EQ(pnr.Gender(), 0);
  INSZ insz;
  EXPECT_FALSE(insz.Check("85031512370"));
  EXPECT_EQ(insz.CheckDigit(), "69");
  EXPECT_EQ(insz.SerialNumber(), "123");
  EXPECT_FALSE(insz.Check("8503151236"));
  EXPECT_EQ(insz.CheckDigit(), kUnset);
  EXPECT_EQ(insz.SerialNumber(), kNotDecoded);
  EXPECT_EQ(insz.Gender(), 0);
}

}  // namespace
}  // namespace numerant
