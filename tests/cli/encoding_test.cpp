#include "cli/encoding.h"

#include <gtest/gtest.h>

#include "cli/json_writer.h"

namespace numerant::cli {
namespace {

TEST(EncodingTest, Utf8ToLatin1) {
  const struct {
    std::string utf8, latin1;
  } cases[] = {
      {"ABC 123-", "ABC 123-"},
      {"\xC3\xA9", "\xE9"},   // é
      {"\xC3\xBF", "\xFF"},   // ÿ, the last of the set
      {"\xC4\x80", "?"},      // Ā, the first outside
      {"\xE2\x82\xAC", "?"},  // €
      {"\xF0\x9F\x98\x80"
       "1",
       "?1"},         // an emoji
      {"\xC3", "?"},  // cut short
      {"\xC3"
       "1",
       "?1"},                   // lead byte without continuation
      {"\x80\xBF", "??"},       // stray continuation bytes
      {"\xC0\xB1", "??"},       // overlong "1"
      {"\xED\xA0\x80", "???"},  // a surrogate
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8ToLatin1(c.utf8), c.latin1) << c.utf8;
}

TEST(EncodingTest, Latin1ToUtf8RoundTrips) {
  std::string all;
  for (int code = 1; code < 256; ++code)
    all.push_back(static_cast<char>(code));
  std::string utf8;
  AppendLatin1AsUtf8(utf8, all);
  EXPECT_EQ(Utf8ToLatin1(utf8), all);
}

// Whatever bytes come in, the JSON string is UTF-8: each byte that starts no
// well-formed sequence becomes U+FFFD, as it became "?" for the scheme.
TEST(EncodingTest, JsonStringsAreAlwaysUtf8) {
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
      {"\xF4\x90\x80\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
      {std::string("a\0\x1F\x7F", 4), "\"a\\u0000\\u001f\\u007f\""},
  };
  for (const auto& c : cases) {
    std::string json;
    AppendJsonString(json, c.in);
    EXPECT_EQ(json, c.json) << c.in;
  }
}

}  // namespace
}  // namespace numerant::cli
