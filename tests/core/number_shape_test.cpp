// SPDX-License-Identifier: MIT
// The lengths a scheme accepts: the ends of each range, the ranges beyond
// the few a shape keeps, and the lengths moved up by the check characters.
#include "core/number_shape.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <vector>

namespace numerant {
namespace {

constexpr std::size_t kUnbounded = LengthRange::kUnbounded;

TEST(NumberShapeTest, RangesBeyondTheThirdAreNotKept) {
  const Lengths listed{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
  EXPECT_EQ(listed.ranges().size(), Lengths::kMaxRanges);
  EXPECT_TRUE(listed.Contains(3));
  EXPECT_FALSE(listed.Contains(4));

  Lengths added;
  for (std::size_t length = 1; length <= 4; ++length)
    added.Add({length, length});
  EXPECT_EQ(added, listed);
}

// Moving the lengths up by the check characters: a length n is accepted
// exactly when n + extra is accepted afterwards, and nothing shorter than
// `extra` is; a range without an upper end keeps none.
TEST(NumberShapeTest, LengthsMovedUpAcceptTheSameLengthsShifted) {
  const Lengths kLengths[] = {
      Lengths::Exactly(12), Lengths::AtLeast(1), {{8, 8}, {13, 13}}, {{0, 2}, {6, 9}, {20, 20}}, {},
  };
  for (const Lengths& lengths : kLengths) {
    for (std::size_t extra : {0u, 1u, 2u, 5u}) {
      const Lengths moved = lengths.Plus(extra);
      ASSERT_EQ(moved.ranges().size(), lengths.ranges().size());
      for (std::size_t n = 0; n < extra; ++n)
        EXPECT_FALSE(moved.Contains(n)) << n << " + " << extra;
      for (std::size_t n = 0; n <= 40; ++n)
        EXPECT_EQ(moved.Contains(n + extra), lengths.Contains(n)) << n << " + " << extra;
    }
  }
  EXPECT_EQ(Lengths::AtLeast(1).Plus(2), Lengths::AtLeast(3));
  EXPECT_TRUE(Lengths::AtLeast(1).Plus(2).Contains(kUnbounded));
}

}  // namespace
}  // namespace numerant
