// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace numerant {
namespace {

TEST(TextTest, RemovesEverySeparatorAndNothingElse) {
  EXPECT_EQ(RemoveSeparators(" 1-2 3--4 ", " -"), "1234");
  EXPECT_EQ(RemoveSeparators("1.2/3+4", " -"), "1.2/3+4");
  EXPECT_EQ(RemoveSeparators("1.2/3+4", "./+"), "1234");
}

TEST(TextTest, UpperCasesIso88591Letters) {
  std::string text =
      "az\xE9\xFE\xF7\xDF\xFF"
      "09-";
  ToUpperInPlace(text);
  EXPECT_EQ(text,
            "AZ\xC9\xDE\xF7\xDF\xFF"
            "09-");
}

TEST(TextTest, DecimalConversionAcceptsPlainDigitsOnly) {
  EXPECT_EQ(ParseDecimal32("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimal32("0002147483647"), 2147483647);
  EXPECT_EQ(ParseDecimal32("2147483648"), std::nullopt);
  EXPECT_EQ(ParseDecimal32(""), std::nullopt);
  EXPECT_EQ(ParseDecimal32("-1"), std::nullopt);
  EXPECT_EQ(ParseDecimal32("1e3"), std::nullopt);
  EXPECT_EQ(ParseDecimal16("32767"), 32767);
  EXPECT_EQ(ParseDecimal16("32768"), std::nullopt);
}

TEST(TextTest, TwoDigitsKeepTheirLeadingZero) {
  const struct {
    int value;
    const char* text;
  } cases[] = {{0, "00"}, {7, "07"}, {10, "10"}, {97, "97"}, {99, "99"}, {100, "100"}, {-1, "-1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(TwoDigits(c.value), c.text) << c.value;
  }
}

TEST(TextTest, LowCharacterBitsHoldOnlyTheirCharacters) {
  constexpr std::uint64_t kMarks = LowCharacterBits(" -.+/A");
  for (char c : std::string_view(" -.+/")) {
    EXPECT_TRUE(InLowCharacterBits(kMarks, c)) << c;
  }
  // "A" and "~" lie above code 64, and the codes 64 apart share no bit.
  for (char c : std::string_view("A~,0`\x60\xE0")) {
    EXPECT_FALSE(InLowCharacterBits(kMarks, c)) << c;
  }
  EXPECT_TRUE(ContainsAny("12-34", " -"));
  EXPECT_FALSE(ContainsAny("1234", " -"));
  EXPECT_TRUE(HasSmallLetters("12a"));
  EXPECT_TRUE(HasSmallLetters("12\xE9"));
  EXPECT_FALSE(HasSmallLetters("12A\xC9-\xDF"));
}

// HasSmallLetters reads ASCII eight characters at a time: every byte, in
// every place of a word and of the tail, answers as upper-casing does.
TEST(TextTest, SmallLettersAreFoundInEveryPlace) {
  const std::string capitals = "A1B2C3D4E5F6G7H8I9J";
  for (std::size_t place = 0; place < capitals.size(); ++place) {
    for (int byte = 0; byte < 256; ++byte) {
      std::string text = capitals;
      text[place] = static_cast<char>(byte);
      std::string upper = text;
      ToUpperInPlace(upper);
      EXPECT_EQ(HasSmallLetters(text), upper != text) << "byte " << byte << " at " << place;
    }
  }
}

TEST(TextTest, DigitMatchesOnlyDigitsOfTheSameValue) {
  EXPECT_TRUE(DigitMatches('7', 7));
  EXPECT_FALSE(DigitMatches('7', 8));
  EXPECT_FALSE(DigitMatches(':', 10));  // the code after "9" is no digit
  EXPECT_FALSE(DigitMatches('/', -1));  // nor the code before "0"
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(97), "97");
}

// Separators may be any bytes, below code 64 or above it; a character 64 or
// 128 codes above a separator is not one, and whatever the buffer held
// before leaves no trace.
TEST(TextTest, SeparatorsOfEveryKindAndTheirNeighbours) {
  const struct {
    std::string_view text;
    std::string_view separators;
    std::string_view compact;
  } cases[] = {
      {"1 2-3", "", "1 2-3"},
      {"", " -", ""},
      {" - ", " -", ""},
      {"1A2-3 4", " -A", "1234"},
      {"12\xA0"
       "34\xA0",
       "\xA0", "1234"},
      {"`m\xA0\xAD 1-2", " -",
       "`m\xA0\xAD"
       "12"},
      {"a b@c", "@", "a bc"},
      {"1.2.3", ".", "123"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RemoveSeparators(c.text, c.separators), c.compact) << c.text;
    std::string out = "leftover text longer than any case";
    RemoveSeparators(c.text, c.separators, out);
    EXPECT_EQ(out, c.compact) << c.text;
  }
}

}  // namespace
}  // namespace numerant
