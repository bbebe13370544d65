#include "cli/encoding.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace numerant::cli
