// SPDX-License-Identifier: MIT
// The JSON the command line writes of the library's records.
#include "core/json_writer.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant {
namespace {

// Whatever bytes come in, the JSON string is UTF-8: each byte that starts no
// well-formed sequence becomes U+FFFD, as it became "?" for the scheme.
TEST(JsonWriterTest, StringsAreAlwaysUtf8) {
  const struct {
    std::string in, json;
  } cases[] = {
      {"7\xFF", "\"7\xEF\xBF\xBD\""},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
      {"\xC3"
       "1",
       "\"\xEF\xBF\xBD"
       "1\""},
      {"\xC0\xB1", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {std::string("a\0\x1F\x7F\"\\\t", 7), "\"a\\u0000\\u001f\\u007f\\\"\\\\\\t\""},
  };
  for (const auto& c : cases) {
    std::string json;
    AppendJsonString(json, c.in);
    EXPECT_EQ(json, c.json) << c.in;
  }
}

TEST(JsonWriterTest, AFindingHasTheMembersOfItsRecordInOrder) {
  const struct {
    FindingRecord record;
    std::string json;
  } cases[] = {
      {{.kind = "valid", .description = "valid"}, R"({"kind": "valid"})"},
      {{.kind = "length",
        .length = 2,
        .lengths = std::vector<LengthPair>{{8, 8}, {13, std::nullopt}}},
       R"({"kind": "length", "length": 2, "lengths": [[8, 8], [13, null]]})"},
      {{.kind = "character", .place = 11, .character = "\xC3\xA9"},
       "{\"kind\": \"character\", \"place\": 11, \"character\": \"\xC3\xA9\"}"},
      {{.kind = "check-digit", .expected = "89", .found = "\""},
       R"({"kind": "check-digit", "expected": "89", "found": "\""})"},
  };
  for (const auto& c : cases) {
    std::string json;
    AppendJsonFinding(json, c.record);
    EXPECT_EQ(json, c.json);
  }
}

TEST(JsonWriterTest, AFindingOfADateTheCalendarLacks) {
  Finding finding;
  finding.kind = Finding::Kind::kNoSuchDate;
  finding.date = "1900-02-29";
  std::string json;
  AppendJsonFinding(json, RecordFinding(finding));
  EXPECT_EQ(json, R"({"kind": "date", "date": "1900-02-29"})");
}

// The place of the check characters is counted from 1, as a finding's place
// is, and the whole number's lengths include them.
TEST(JsonWriterTest, ShapesNameTheirCheckCharacters) {
  const struct {
    CheckCharacters characters;
    std::size_t check_length;
    std::size_t check_place;
    Lengths payload;
    std::string json;
  } cases[] = {
      {CheckCharacters::kDigitsAndLetters, 1, 0, Lengths::Exactly(8),
       R"(, "check_characters": "digits and letters", "check_length": 1, "check_place": 1, )"
       R"("payload_lengths": [[8, 8]], "lengths": [[9, 9]])"},
      {CheckCharacters::kLetters, 2, NumberShape::kAtEnd, Lengths::AtLeast(1),
       R"(, "check_characters": "letters", "check_length": 2, "check_place": null, )"
       R"("payload_lengths": [[1, null]], "lengths": [[3, null]])"},
      {CheckCharacters::kAny, 1, 2, Lengths{{7, 7}, {12, 12}},
       R"(, "check_characters": "any", "check_length": 1, "check_place": 3, )"
       R"("payload_lengths": [[7, 7], [12, 12]], "lengths": [[8, 8], [13, 13]])"},
      {CheckCharacters::kDigits, 0, NumberShape::kAtEnd, Lengths{},
       R"(, "check_characters": "digits", "check_length": 0, "check_place": null, )"
       R"("payload_lengths": [], "lengths": [])"},
  };
  for (const auto& c : cases) {
    NumberShape shape;
    shape.check_characters = c.characters;
    shape.check_length = c.check_length;
    shape.check_place = c.check_place;
    shape.payload_lengths = c.payload;
    std::string json;
    AppendJsonShape(json, shape);
    EXPECT_EQ(json, c.json);
  }
}

}  // namespace
}  // namespace numerant
