// SPDX-License-Identifier: MIT
// Rows that reach every entry of a scheme's tables in one line each: a
// payload varied one character at a time, and the check characters the
// variations give, worked out by hand or by a separate script from the
// published rule. "." stands for no check character.
//   ExpectEachCharacter("VIN", "?000000000000000", "ABCDEFGHIJ", "852X7419.8");
//   ExpectEachPlace("ISBN", "000000000", "123456789");
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tests/schemes/cases.h"

namespace numerant::testing {

inline void ExpectEachVariation(std::string_view scheme, const std::vector<std::string>& payloads,
                                std::string_view expected) {
  ASSERT_EQ(payloads.size(), expected.size()) << scheme;
  const std::string none = Create(scheme)->CalculateText("");
  for (std::size_t i = 0; i < payloads.size(); ++i) {
    const std::string want = expected[i] == '.' ? none : std::string(1, expected[i]);
    EXPECT_EQ(Create(scheme)->CalculateText(payloads[i]), want) << scheme << " " << payloads[i];
  }
}

// Each character of `alphabet` in place of every "?" of `pattern`.
inline void ExpectEachCharacter(std::string_view scheme, std::string_view pattern,
                                std::string_view alphabet, std::string_view expected) {
  std::vector<std::string> payloads;
  for (char c : alphabet) {
    std::string payload(pattern);
    std::ranges::replace(payload, '?', c);
    payloads.push_back(payload);
  }
  ExpectEachVariation(scheme, payloads, expected);
}

// A "1" in each place of `base` in turn.
inline void ExpectEachPlace(std::string_view scheme, std::string_view base,
                            std::string_view expected) {
  std::vector<std::string> payloads;
  for (std::size_t i = 0; i < base.size(); ++i) {
    std::string payload(base);
    payload[i] = '1';
    payloads.push_back(payload);
  }
  ExpectEachVariation(scheme, payloads, expected);
}

}  // namespace numerant::testing
