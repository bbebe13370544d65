// SPDX-License-Identifier: MIT
// The JSON the command line writes of the library's records.
#include "cli/json_writer.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant::cli {
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

}  // namespace
}  // namespace numerant::cli
