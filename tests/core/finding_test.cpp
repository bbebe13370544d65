// SPDX-License-Identifier: MIT
// The words of a finding's parts: the lengths a format accepts and the
// character that may not stand where it was typed. Every kind's sentence is
// tried through the translation's records.
#include "core/finding.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant {
namespace {

TEST(FindingTest, LengthsInWords) {
  const struct {
    Lengths lengths;
    const char* words;
  } cases[] = {
      {Lengths::Exactly(9), "9"},
      {Lengths::AtLeast(1), "at least 1"},
      {{{8, 10}}, "8 to 10"},
      {{{8, 8}, {13, 13}}, "8 or 13"},
      {{{7, 7}, {9, 9}, {12, 12}}, "7, 9 or 12"},
      {{{8, 8}, {10, 12}}, "8 or 10 to 12"},
      {{{8, 8}, {13, LengthRange::kUnbounded}}, "8 or 13 or more"},
      {{}, "no"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DescribeLengths(c.lengths), c.words) << c.words;
  }
}

TEST(FindingTest, TheBadCharacterAndItsPlaceInWords) {
  const struct {
    char character;
    std::size_t place;
    const char* words;
  } cases[] = {
      {'7', 3, "the digit 7 cannot stand at place 3"},
      {'Q', 15, "the letter Q cannot stand at place 15"},
      {'q', 1, "the letter q cannot stand at place 1"},
      {' ', 2, "a blank cannot stand at place 2"},
      {'\t', 4, "the control character 9 cannot stand at place 4"},
      {'\x7F', 4, "the control character 127 cannot stand at place 4"},
      {'/', 10, "the character \"/\" cannot stand at place 10"},
      {'\xE9', 5, "the character \"\xE9\" cannot stand at place 5"},
  };
  for (const auto& c : cases) {
    Finding finding;
    finding.kind = Finding::Kind::kBadCharacter;
    finding.character = c.character;
    finding.place = c.place;
    EXPECT_EQ(Describe(finding), c.words);
  }
}

TEST(FindingTest, ValidWordsSayWhenThereIsNoCheckDigit) {
  Finding finding;
  finding.shape.check_length = 1;
  EXPECT_EQ(Describe(finding), "valid");
  finding.shape.check_length = 0;
  EXPECT_EQ(Describe(finding), "valid (no check digit)");
}

// The noun follows the shape: digits or characters, one or several; the
// lengths count characters where the payload may hold letters.
TEST(FindingTest, TheWordsFollowTheShapeOfTheCheckCharacters) {
  using enum Finding::Kind;
  using enum CheckCharacters;
  const struct {
    Finding::Kind kind;
    CheckCharacters characters;
    std::size_t check_length;
    bool payload_letters;
    const char* words;
  } cases[] = {
      {kWrongCheckDigit, kDigits, 2, false, "check digits should be 97, not 12"},
      {kWrongCheckDigit, kDigitsAndLetters, 1, false, "check character should be 97, not 12"},
      {kWrongCheckDigit, kLetters, 2, true, "check characters should be 97, not 12"},
      {kNoCheckDigit, kDigits, 2, false, "no check digits exist for this number"},
      {kNoCheckDigit, kLetters, 1, false, "no check character exists for this number"},
      {kNoCheckDigit, kAny, 2, false, "no check characters exist for this number"},
      {kWrongLength, kLetters, 1, true, "4 to 9 characters expected, 12 typed"},
      {kWrongLength, kLetters, 1, false, "4 to 9 digits expected, 12 typed"},
      {kNoSuchDate, kDigits, 1, false, "no such date: 1900-02-29"},
  };
  for (const auto& c : cases) {
    Finding finding;
    finding.kind = c.kind;
    finding.shape.check_characters = c.characters;
    finding.shape.check_length = c.check_length;
    finding.shape.payload_letters = c.payload_letters;
    finding.expected = "97";
    finding.found = "12";
    finding.length = 12;
    finding.lengths = {{4, 9}};
    finding.date = "1900-02-29";
    EXPECT_EQ(Describe(finding), c.words);
  }
}

}  // namespace
}  // namespace numerant
