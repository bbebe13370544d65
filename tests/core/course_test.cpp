// SPDX-License-Identifier: MIT
// The common course every format runs, through a rule of its own: the digit
// sum as its check characters. Separators, case, prefixes, a check in the
// middle and the place of a fault in the text as typed are the course's, not
// the rule's.
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "core/check_digit_number.h"

namespace numerant {
namespace {

// The digit sum modulo 10, or modulo 100 in two digits.
class DigitSum final : public CheckDigitNumber<std::string> {
 public:
  explicit DigitSum(const NumberShape& shape) : CheckDigitNumber(shape) {}

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override {
    int sum = 0;
    for (std::size_t i = 0; i < payload.size(); ++i) {
      if (!IsDigit(payload[i])) return RejectCharacter(i);
      sum += DigitValue(payload[i]);
    }
    if (Shape().check_length == 1) return std::string(1, static_cast<char>('0' + sum % 10));
    return TwoDigits(sum % 100);
  }
};

// Four digits and the check digit at the end.
constexpr NumberShape kAtEnd{.payload_lengths = Lengths::Exactly(4)};
// An optional "XY", two digits, two check digits, two digits.
constexpr NumberShape kInside{.upper_case = true,
                              .prefixes = {"XY"},
                              .payload_lengths = Lengths::Exactly(4),
                              .check_length = 2,
                              .check_place = 2};

TEST(CourseTest, FindingsOfEachKindPointIntoTheTypedText) {
  using Kind = Finding::Kind;
  const struct {
    const NumberShape* shape;
    const char* text;
    Kind kind;
    std::size_t place = 0;  // or the length read
    const char* expected = "";
    const char* found = "";
  } cases[] = {
      {&kAtEnd, "1234 0", Kind::kValid},
      {&kAtEnd, "12-34-0", Kind::kValid},
      {&kAtEnd, "", Kind::kEmpty},
      {&kAtEnd, " - ", Kind::kEmpty},
      {&kAtEnd, "1 23", Kind::kWrongLength, 3},
      {&kAtEnd, "123456", Kind::kWrongLength, 6},
      {&kAtEnd, "12a40", Kind::kBadCharacter, 3},
      {&kAtEnd, "1 2a4 0", Kind::kBadCharacter, 4},
      {&kAtEnd, "1234a", Kind::kBadCharacter, 5},
      {&kAtEnd, "12345", Kind::kWrongCheckDigit, 0, "0", "5"},
      {&kInside, "xy-12-10-34", Kind::kValid},
      {&kInside, "121034", Kind::kValid},
      {&kInside, "XY 12 10 3a", Kind::kBadCharacter, 11},
      {&kInside, "XY 1a 10 34", Kind::kBadCharacter, 5},
      {&kInside, "XY 12 1a 34", Kind::kBadCharacter, 8},
      {&kInside, "XY 12 11 34", Kind::kWrongCheckDigit, 0, "10", "11"},
      {&kInside, "XY12103", Kind::kWrongLength, 5},
  };
  for (const auto& c : cases) {
    DigitSum number(*c.shape);
    const Finding finding = number.Explain(c.text);
    EXPECT_EQ(finding.kind, c.kind) << c.text;
    EXPECT_EQ(number.Check(c.text), c.kind == Kind::kValid) << c.text;
    if (c.kind == Kind::kBadCharacter) {
      EXPECT_EQ(finding.place, c.place) << c.text;
      EXPECT_EQ(finding.character, c.text[c.place - 1]) << c.text;
    }
    if (c.kind == Kind::kWrongLength) {
      EXPECT_EQ(finding.length, c.place) << c.text;
      EXPECT_EQ(finding.lengths, c.shape->NumberLengths()) << c.text;
    }
    EXPECT_EQ(finding.expected, c.expected) << c.text;
    EXPECT_EQ(finding.found, c.found) << c.text;
  }
}

TEST(CourseTest, CalculateAndCompleteTakeThePayloadAsTyped) {
  DigitSum at_end(kAtEnd);
  EXPECT_EQ(at_end.Calculate("12 34"), "0");
  EXPECT_EQ(at_end.Complete("12 34"), "12340");
  // A payload of the wrong length leaves the check digit unknown.
  EXPECT_EQ(at_end.Calculate("123"), "");
  EXPECT_EQ(at_end.Complete("123"), "");
  EXPECT_EQ(at_end.Complete("12a4"), "");
  DigitSum inside(kInside);
  EXPECT_EQ(inside.Calculate("xy 1234"), "10");
  // The check characters go in their place; the prefix is not kept.
  EXPECT_EQ(inside.Complete("xy 1234"), "121034");
  EXPECT_EQ(inside.Complete("9999"), "993699");
}

}  // namespace
}  // namespace numerant
