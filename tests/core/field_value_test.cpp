// SPDX-License-Identifier: MIT
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

// A field is reset to a number and set to a text again for every number; the
// text a value held before must never show through the kind it holds now.
TEST(FieldValueTest, AssignmentHoldsOnlyTheNewValue) {
  const FieldValue long_text(std::string(40, 'x'));
  const FieldValue sequence[] = {FieldValue("12"),
                                 FieldValue(std::int16_t{0}),
                                 long_text,
                                 FieldValue(std::int32_t{-1}),
                                 FieldValue(),
                                 FieldValue("3"),
                                 FieldValue(std::int16_t{3})};
  FieldValue copied;
  FieldValue moved;
  for (const FieldValue& next : sequence) {
    copied = next;
    FieldValue source = next;
    moved = std::move(source);
    for (const FieldValue* value : {&copied, &moved}) {
      EXPECT_EQ(*value, next);
      EXPECT_EQ(value->kind(), next.kind());
      EXPECT_EQ(value->ToString(), next.ToString());
    }
  }
  FieldValue text = std::int16_t{5};
  for (std::string_view piece : {"978", "", "0306406152", "9"}) {
    text = piece;
    EXPECT_EQ(text, FieldValue(piece));
  }
}

}  // namespace
}  // namespace numerant
