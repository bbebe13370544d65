// SPDX-License-Identifier: MIT
// Rows that reach every entry of a scheme's tables in one line each: payloads
// that differ in one place, or run through consecutive numbers, and what each
// must give, as words separated by blanks or one character each ("." for no
// check character):
//   ExpectEach("CNP", Vary("_85031512345", 0), "0 20 20 19 ...", "Century");
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tests/schemes/cases.h"

namespace numerant::testing {

// Each character of `characters` in place of every "?" of `pattern`.
inline std::vector<std::string> EachCharacter(std::string_view pattern,
                                              std::string_view characters = "0123456789") {
  std::vector<std::string> payloads;
  for (char c : characters) {
    std::string payload(pattern);
    std::ranges::replace(payload, '?', c);
    payloads.push_back(payload);
  }
  return payloads;
}

// `pattern` with its character at `place` (from 0) replaced by each of
// `characters` in turn.
inline std::vector<std::string> Vary(std::string_view pattern, std::size_t place,
                                     std::string_view characters = "0123456789") {
  std::string marked(pattern);
  marked[place] = '?';
  return EachCharacter(marked, characters);
}

// A "1" in each place of `base` in turn.
inline std::vector<std::string> EachPlace(std::string_view base) {
  std::vector<std::string> payloads;
  for (std::size_t i = 0; i < base.size(); ++i) {
    std::string payload(base);
    payload[i] = '1';
    payloads.push_back(payload);
  }
  return payloads;
}

// `count` numbers from `first` on, each written with `width` digits.
inline std::vector<std::string> Consecutive(long first, int count, int width) {
  std::vector<std::string> payloads;
  for (long n = first; n < first + count; ++n) {
    std::string digits = std::to_string(n);
    payloads.push_back(std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits);
  }
  return payloads;
}

// `Calculate` of each payload answers the word at the same place in
// `words`; with a field named, that field reads the word afterwards, written
// as in the examples (bare numbers, quoted texts).
inline void ExpectEach(std::string_view scheme, const std::vector<std::string>& payloads,
                       std::string_view words, std::string_view field = {}) {
  std::vector<std::string> expected;
  if (words.find(' ') == std::string_view::npos && words.size() == payloads.size()) {
    const std::string none = Create(scheme)->CalculateText("");
    for (char c : words)
      expected.push_back(c == '.' ? none : std::string(1, c));
  } else {
    for (std::size_t at = 0; at < words.size();) {
      const std::size_t end = std::min(words.find(' ', at), words.size());
      if (end > at) expected.emplace_back(words.substr(at, end - at));
      at = end + 1;
    }
  }
  ASSERT_EQ(expected.size(), payloads.size()) << scheme << ' ' << field;
  for (std::size_t i = 0; i < payloads.size(); ++i) {
    const auto object = Create(scheme);
    ASSERT_NE(object, nullptr) << scheme;
    const std::string answer = object->CalculateText(payloads[i]);
    if (field.empty()) {
      EXPECT_EQ(answer, expected[i]) << scheme << " '" << payloads[i] << "'";
    } else {
      const std::string row = std::string(field) + "=" + expected[i];
      EXPECT_EQ(NamedFields(*object, row), row) << scheme << " '" << payloads[i] << "'";
    }
  }
}

}  // namespace numerant::testing
