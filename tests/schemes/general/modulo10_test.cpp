#include "schemes/general/modulo10.h"

#include <gtest/gtest.h>
#include <string>

#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::ExpectCalculate;
using testing::ExpectCheck;

TEST(Modulo10Test, WeighsFromTheRightEnd) {
  ExpectCalculate<Modulo10>({
      {"400638133393", "1", "1"},
      {"4006-3813 3393", "1", "1"},
      {"5", "5", "5"},
      {"05", "5", "5"},
      {"12", "3", "3"},
      {"21", "5", "5"},
      {"0", "0", "0"},
      {"12a", "-1", "-1"},
      {"1.2", "-1", "-1"},
  });
  ExpectCheck<Modulo10>({
      {"4006381333931", true, "1"},
      {"4006 3813-33931", true, "1"},
      {"4006381333932", false, "1"},
      {"55", true, "5"},
      {"5", false, "-1"},
      {"4a1", false, "-1"},
  });
}

TEST(Modulo10Test, SixteenBitSumOverflowIsAFailure) {
  Modulo10 modulo10;
  // Each pair of nines adds 9 × 3 + 9 × 1 = 36: 1820 nines sum to 32760, and
  // a 1821st weighs 3 and overflows.
  EXPECT_EQ(modulo10.Calculate(std::string(1820, '9')), 0);
  EXPECT_EQ(modulo10.Calculate(std::string(1821, '9')), -1);
  EXPECT_EQ(modulo10.Calculate(std::string(32768, '0')), -1);
}

}  // namespace
}  // namespace numerant
