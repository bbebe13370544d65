#include "core/checked.h"

#include <gtest/gtest.h>

namespace numerant {
namespace {

TEST(CheckedTest, SixteenBitBoundsAreExact) {
  EXPECT_TRUE((Int16(32766) + 1).ok());
  EXPECT_FALSE((Int16(32767) + 1).ok());
  EXPECT_TRUE((Int16(-32767) - 1).ok());
  EXPECT_FALSE((Int16(-32768) - 1).ok());
  EXPECT_FALSE((Int16(256) * 128).ok());
  EXPECT_TRUE((Int16(181) * 181).ok());
  EXPECT_FALSE(Int16(40000).ok());
}

TEST(CheckedTest, ThirtyTwoBitProductsDoNotWrap) {
  EXPECT_FALSE((Int32(65536) * 65536).ok());
  EXPECT_TRUE((Int32(46340) * 46340).ok());
  EXPECT_FALSE((Int32(2147483647) + 1).ok());
}

TEST(CheckedTest, FailureIsSticky) {
  Int16 sum = 32767;
  sum += 1;
  sum -= 10;
  EXPECT_FALSE(sum.ok());
  EXPECT_EQ(sum.value(), 0);
}

TEST(CheckedTest, DivisionTruncatesAndZeroDivisorFails) {
  EXPECT_EQ((Int16(-7) % 3).value(), -1);
  EXPECT_EQ((Int16(-7) / 2).value(), -3);
  EXPECT_FALSE((Int16(5) % 0).ok());
  EXPECT_FALSE((Int16(5) / 0).ok());
  EXPECT_FALSE((Int16(-32768) / -1).ok());
}

}  // namespace
}  // namespace numerant
