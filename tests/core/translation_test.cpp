// SPDX-License-Identifier: MIT
#include "core/translation.h"

#include <array>
#include <gtest/gtest.h>

#include "core/example.h"

namespace numerant {
namespace {

TEST(TranslationTest, Utf8BecomesLatin1AndBack) {
  struct Case {
    std::string_view utf8;
    std::string_view latin1;
  };
  const Case kCases[] = {
      {"", ""},
      {"DE89 3704", "DE89 3704"},
      {"\xC3\xA4\xC3\x89\xC3\x9F\xC3\xBF", "\xE4\xC9\xDF\xFF"},  // U+00E4 U+00C9 U+00DF U+00FF
      {"\xC2\x80", "\x80"},                                      // the lowest two-byte character
      {"1\xE2\x82\xAC"
       "2",
       "1?2"},                       // U+20AC lies outside ISO-8859-1: one "?"
      {"\xF0\x9F\x98\x80", "?"},     // so does a four-byte character
      {"\x80\xBF", "??"},            // stray continuation bytes, one "?" each
      {"\xC3", "?"},                 // a sequence cut short at the end
      {"\xE2\x82X", "??X"},          // cut short before a plain character
      {"\xC0\xAF", "??"},            // an overlong "/"
      {"\xED\xA0\x80", "???"},       // a surrogate
      {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
      {"\xFF\xFE", "??"},            // bytes that start nothing
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.utf8));
    EXPECT_EQ(Latin1FromUtf8(c.utf8), c.latin1);
    std::string storage;
    EXPECT_EQ(Latin1FromUtf8(c.utf8, storage), c.latin1);
  }
  std::string all;
  for (int code = 0; code < 256; ++code)
    all.push_back(static_cast<char>(code));
  EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(all)), all);
  EXPECT_EQ(Utf8FromLatin1("A\xE9"), "A\xC3\xA9");
}

TEST(TranslationTest, PlainAsciiIsNotCopied) {
  const std::string_view text = "0123456789ABCDEF-";
  std::string storage;
  EXPECT_EQ(Latin1FromUtf8(text, storage).data(), text.data());
  EXPECT_FALSE(IsAscii("01234567\xC3\xA4"));  // the high byte after the first eight
}

TEST(TranslationTest, EachCodePointBecomesOneCharacter) {
  // One "?" a unit for anything above U+00FF, a lone surrogate included, as
  // Python's "replace" writes it and the page's strings arrive.
  const std::u32string_view utf32 = U"A\u00FF\u0100\U0001F600";
  EXPECT_EQ(Latin1FromCodePoints(std::span(utf32)), "A\xFF??");
  const char16_t ucs2[] = {u'1', 0xE9, 0xD800, u'2'};
  EXPECT_EQ(Latin1FromCodePoints(std::span<const char16_t>(ucs2)), "1\xE9?2");
  const wchar_t wide[] = {L'a', 0xE4, -1, L'7'};
  EXPECT_EQ(Latin1FromCodePoints(std::span<const wchar_t>(wide)), "a\xE4?7");
}

TEST(TranslationTest, FindingRecordsHoldTheMembersOfTheirKind) {
  auto finding = [](Finding::Kind kind) {
    Finding f;
    f.kind = kind;
    return f;
  };
  Finding length = finding(Finding::Kind::kWrongLength);
  length.length = 12;
  length.lengths = {{8, 8}, {13, LengthRange::kUnbounded}};
  Finding character = finding(Finding::Kind::kBadCharacter);
  character.place = 5;
  character.character = '\xE9';
  Finding check = finding(Finding::Kind::kWrongCheckDigit);
  check.expected = "\xC4";
  check.found = "4";
  check.shape.check_characters = CheckCharacters::kAny;
  Finding prefix = finding(Finding::Kind::kUnknownPrefix);
  prefix.found = "QQ";

  struct Case {
    Finding finding;
    FindingRecord record;
  };
  const Case kCases[] = {
      {finding(Finding::Kind::kValid), {.kind = "valid", .description = "valid"}},
      {finding(Finding::Kind::kEmpty), {.kind = "empty", .description = "no number typed"}},
      {finding(Finding::Kind::kNoCheckDigit),
       {.kind = "no-check-digit", .description = "no check digit exists for this number"}},
      {length,
       {.kind = "length",
        .length = 12,
        .lengths = std::vector<LengthPair>{{8, 8}, {13, std::nullopt}},
        .description = "8 or 13 or more digits expected, 12 typed"}},
      {character,
       {.kind = "character",
        .place = 5,
        .character = "\xC3\xA9",
        .description = "the character \"\xC3\xA9\" cannot stand at place 5"}},
      {check,
       {.kind = "check-digit",
        .expected = "\xC3\x84",
        .found = "4",
        .description = "check character should be \xC3\x84, not 4"}},
      {prefix, {.kind = "prefix", .found = "QQ", .description = "unknown country prefix QQ"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.record.kind);
    EXPECT_EQ(RecordFinding(c.finding), c.record);
    EXPECT_EQ(RecordFinding(c.finding).valid(), c.finding.valid());
  }
}

// A scheme object with a property of every kind a getter returns.
struct EveryKind {
  bool Flag() const { return true; }
  std::uint8_t Byte() const { return 200; }
  std::int16_t CheckDigit() const { return -1; }
  std::int32_t Long() const { return 2147483647; }
  std::string Country() const { return "\xC9"; }
  // Decoded from the number: a piece of its text.
  FieldValue BirthDate() const { return "850315"; }
  // EAN-8 has no manufacturer code and says so with -1.
  FieldValue ManufacturerCode() const { return std::int16_t{-1}; }
  // Not decoded yet.
  FieldValue Serial() const { return std::int32_t{0}; }
  FieldValue Nothing() const { return {}; }
  FieldValue Empty() const { return ""; }

  std::int16_t Calculate(std::string_view) { return -1; }
  bool Check(std::string_view) { return false; }
  Finding Explain(std::string_view) { return {}; }
  std::string Complete(std::string_view) { return {}; }
  const NumberShape& Shape() const { return shape; }

  NumberShape shape;
};

}  // namespace

template <>
struct Descriptor<EveryKind> {
  static constexpr std::string_view kName = "EveryKind";
  static constexpr std::string_view kDescription = "A property of every kind a getter returns";
  static constexpr std::array<Example, 0> kExamples{};
  static constexpr std::tuple kProperties{
      Property{"Flag", &EveryKind::Flag},
      Property{"Byte", &EveryKind::Byte},
      Property{"CheckDigit", &EveryKind::CheckDigit},
      Property{"Long", &EveryKind::Long},
      Property{"Country", &EveryKind::Country},
      Property{"BirthDate", &EveryKind::BirthDate},
      Property{"ManufacturerCode", &EveryKind::ManufacturerCode},
      Property{"Serial", &EveryKind::Serial},
      Property{"Nothing", &EveryKind::Nothing},
      Property{"Empty", &EveryKind::Empty},
  };
};

namespace {

TEST(TranslationTest, FieldRecordsKeepOneTypeAndAreNullUntilDecoded) {
  const FieldRecord kExpected[] = {
      {"Flag", JsonType::kBoolean, true},
      {"Byte", JsonType::kNumber, std::int64_t{200}},
      {"CheckDigit", JsonType::kNumber, std::int64_t{-1}},
      {"Long", JsonType::kNumber, std::int64_t{2147483647}},
      {"Country", JsonType::kString, std::string("\xC3\x89")},
      {"BirthDate", JsonType::kString, std::string("850315")},
      {"ManufacturerCode", JsonType::kString, std::monostate{}},
      {"Serial", JsonType::kString, std::monostate{}},
      {"Nothing", JsonType::kString, std::monostate{}},
      {"Empty", JsonType::kString, std::string()},
  };
  const SchemeAdapter<EveryKind> scheme;
  const std::vector<FieldRecord> records = RecordFields(scheme);
  ASSERT_EQ(records.size(), std::size(kExpected));
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(kExpected[i].name);
    EXPECT_EQ(records[i], kExpected[i]);
  }
  EXPECT_EQ(JsonTypeName(JsonType::kBoolean), "boolean");
  EXPECT_EQ(JsonTypeName(JsonType::kNumber), "number");
  EXPECT_EQ(JsonTypeName(JsonType::kString), "string");
}

}  // namespace
}  // namespace numerant
