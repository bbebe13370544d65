#include "schemes/general/modulo10.h"

#include <gtest/gtest.h>
#include <string>

#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

TEST(Modulo10Test, WeighsThreeAndOneFromTheRightEnd) {
  typed_cases::ExpectCalculate<Modulo10>({
      {"400638133393", "1", "1"},
      {"4006-3813 3393", "1", "1"},
      {"5", "5", "5"},
      {"05", "5", "5"},
      {"12", "3", "3"},
      {"21", "5", "5"},
      {"12a", "-1", "-1"},
      {"1.2", "-1", "-1"},
  });
  typed_cases::ExpectCheck<Modulo10>({
      {"4006 3813-33931", "valid", "1"},
      {"4006381333932", "invalid", "1"},
      {"55", "valid", "5"},
      {"5", "invalid", "-1"},
  });
  // Pairs of nines add 36: 1820 nines sum to 32760, a 1821st overflows.
  Modulo10 modulo10;
  EXPECT_EQ(modulo10.Calculate(std::string(1820, '9')), 0);
  EXPECT_EQ(modulo10.Calculate(std::string(1821, '9')), -1);
  EXPECT_EQ(modulo10.Calculate(std::string(32768, '0')), -1);
}

}  // namespace
}  // namespace numerant
