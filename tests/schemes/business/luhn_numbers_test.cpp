#include "schemes/business/luhn_numbers.h"

#include <gtest/gtest.h>

namespace numerant {
namespace {

// One fresh object per call, as the window uses them.
template <typename Scheme>
std::int16_t Calculate(std::string_view number) {
  return Scheme().Calculate(number);
}
template <typename Scheme>
bool Check(std::string_view number) {
  return Scheme().Check(number);
}

TEST(LuhnNumbersTest, Calculate) {
  const struct {
    std::int16_t (*calculate)(std::string_view);
    const char* number;
    std::int16_t check_digit;
  } cases[] = {
      {Calculate<SIREN>, "732 829 32", 0},
      {Calculate<SIREN>, "732829320", -1},
      {Calculate<SIREN>, "7328.932", -1},
      {Calculate<SIREN>, " - ", -1},
      {Calculate<DUNS>, "15-048-378", 2},
      {Calculate<DUNS>, "1504837", -1},
      // The digit covers the prefix 80840; over the nine digits alone it would be 7.
      {Calculate<NPI>, "123456789", 3},
      {Calculate<NPI>, "1234567893", -1},
      {Calculate<SIN>, "046 454 28", 6},
      {Calculate<SIN>, "+4645428", -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.calculate(c.number), c.check_digit) << c.number;
}

TEST(LuhnNumbersTest, Check) {
  const struct {
    bool (*check)(std::string_view);
    const char* number;
    bool valid;
  } cases[] = {
      {Check<SIREN>, "732 829 320", true}, {Check<SIREN>, "732829321", false},
      {Check<SIREN>, "7328.29320", false}, {Check<SIREN>, "73282932A", false},
      {Check<DUNS>, "15-048-3782", true},  {Check<NPI>, "1234567893", true},
      {Check<NPI>, "1234567897", false},   {Check<SIN>, "046-454-286", true},
      {Check<SIN>, "04645428+", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.check(c.number), c.valid) << c.number;
}

TEST(LuhnNumbersTest, SinShowsTheRegionOfARejectedNumberUntilTheNextCall) {
  SIN sin;
  EXPECT_FALSE(sin.Check("946454286"));
  EXPECT_EQ(sin.RegionCode(), 9);
  EXPECT_EQ(sin.Calculate("1464542A"), -1);
  EXPECT_EQ(sin.RegionCode(), 1);
  EXPECT_EQ(sin.Calculate("A4645428"), -1);
  EXPECT_EQ(sin.RegionCode(), 0);
  EXPECT_EQ(sin.Calculate("94645428"), 7);
  EXPECT_FALSE(sin.Check("94645428"));
  EXPECT_EQ(sin.CheckDigit(), -1);
  EXPECT_EQ(sin.RegionCode(), 0);
}

}  // namespace
}  // namespace numerant
