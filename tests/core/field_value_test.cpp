#include "core/field_value.h"

#include <gtest/gtest.h>

namespace numerant {
namespace {

TEST(FieldValueTest, TextFormFollowsTheHeldKind) {
  struct Case {
    FieldValue value;
    std::string text;
  };
  const Case cases[] = {
      {FieldValue(), ""},
      {FieldValue(std::int16_t{-1}), "-1"},
      {FieldValue(std::int16_t{0}), "0"},
      {FieldValue(std::int32_t{-2147483647 - 1}), "-2147483648"},
      {FieldValue("07"), "07"},
      {FieldValue(""), ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.value.ToString(), c.text);
}

TEST(FieldValueTest, EqualsOnlyAStringOfTheSameCharacters) {
  EXPECT_TRUE(FieldValue("07") == "07");
  EXPECT_FALSE(FieldValue("07") == "7");
  EXPECT_FALSE(FieldValue("ab") == "AB");
  EXPECT_FALSE(FieldValue("7 ") == "7");
  EXPECT_FALSE(FieldValue(std::int16_t{7}) == "7");
  EXPECT_FALSE(FieldValue() == "");
  EXPECT_TRUE(FieldValue("") == "");
}

TEST(FieldValueTest, KindsAreDistinct) {
  EXPECT_TRUE(FieldValue().IsNothing());
  EXPECT_TRUE(FieldValue(std::int16_t{0}).IsInteger());
  EXPECT_TRUE(FieldValue(std::int32_t{0}).IsLong());
  EXPECT_NE(FieldValue(std::int16_t{0}), FieldValue(std::int32_t{0}));
  EXPECT_NE(FieldValue(std::int16_t{0}), FieldValue("0"));
  FieldValue copy = FieldValue("12");
  EXPECT_EQ(copy, FieldValue("12"));
}

}  // namespace
}  // namespace numerant
