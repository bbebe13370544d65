// SPDX-License-Identifier: MIT
#include "core/written_form.h"

#include <gtest/gtest.h>
#include <string_view>

#include "core/translation.h"

namespace numerant {
namespace {

TEST(WrittenFormTest, PatternsPlaceTheCharactersAmongSeparators) {
  struct Case {
    std::string_view pattern;
    std::string_view compact;
    std::string_view written;
  };
  const Case kCases[] = {
      {"####-####", "00249319", "0024-9319"},
      {"####-####", "0024931", "0024931"},  // no alternative fits: compact
      {"####-####", "", ""},
      {"##.###.###-#|#.###.###-#", "125319092", "12.531.909-2"},
      {"##.###.###-#|#.###.###-#", "77272305", "7.727.230-5"},
      {"+++###/####/#####+++", "090933755493", "+++090/9337/55493+++"},
      {"#### *", "GB82WEST12345698765432", "GB82 WEST 1234 5698 7654 32"},
      {"#### *", "ABCDEFGH", "ABCD EFGH"},  // no separator after the last group
      {"#### *", "AB", "AB"},
      {"#### *", "", ""},
      {"CHE-###.###.###", "107787577", "CHE-107.787.577"},
      {"##-##|#### *", "ABCDE", "ABCD E"},  // a repeated pattern takes any length
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(ApplyWrittenForm(c.pattern, c.compact), c.written) << c.pattern << " " << c.compact;
  }
}

TEST(WrittenFormTest, LookalikesBecomeAscii) {
  struct Case {
    std::string_view utf8;
    std::string_view latin1;
  };
  const Case kCases[] = {
      {"0024\xE2\x80\x93"
       "9319",
       "0024-9319"},                               // en dash
      {"0024\xE2\x80\x94\xE2\x88\x92", "0024--"},  // em dash, minus sign
      {"DE89\xC2\xA0"
       "3704\xE2\x80\xAF"
       "0044",
       "DE89 3704 0044"},  // no-break, narrow spaces
      {"12\xE2\x80\x89"
       "34\xE3\x80\x80"
       "5",
       "12 34 5"},                                                   // thin, ideographic spaces
      {"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBD\x81\xEF\xBC\xBA", "12aZ"},  // full-width 1 2 a Z
      {"1\xE2\x80\x8B"
       "2\xEF\xBB\xBF"
       "3",
       "123"},                            // zero-width space, byte-order mark
      {"\xC3\xA4\xE2\x82\xAC", "\xE4?"},  // an ISO-8859-1 letter stays, the euro sign is "?"
      {"\xC3", "?"},                      // a sequence cut short
      {std::string_view("1\0"
                        "2",
                        3),
       std::string_view("1\0"
                        "2",
                        3)},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Latin1FromUtf8Lookalikes(c.utf8), c.latin1) << testing::PrintToString(c.utf8);
  }
}

}  // namespace
}  // namespace numerant
