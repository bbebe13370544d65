// SPDX-License-Identifier: MIT
// What `Explain` finds about a number: that it is valid, or the first reason
// why it is not. The window, the command line, the page and the Python module
// all put a finding into the same words through `Describe`.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/number_shape.h"

namespace numerant {

struct Finding {
  enum class Kind {
    kValid,
    // Nothing but separators, or nothing at all.
    kEmpty,
    // `length` characters were read once separators were removed; the scheme
    // accepts `lengths`.
    kWrongLength,
    // `character` may not stand at `place`, counted from 1 in the typed text.
    kBadCharacter,
    // The rule gives this payload a value that no check character carries (a
    // remainder of 10 or 11 the scheme does not map, -1, or a sum too large
    // for the arithmetic the scheme is defined with).
    kNoCheckDigit,
    // The check characters `found` should have been `expected`.
    kWrongCheckDigit,
    // The number holds the date `date` (written YYYY-MM-DD), which the
    // calendar does not have, where the format's issuing rules put a date.
    kNoSuchDate,
    // The number opens with `found`, a prefix that names no country (or
    // other series) the format knows.
    kUnknownPrefix,
  };

  Kind kind = Kind::kValid;
  std::size_t length = 0;
  Lengths lengths;
  std::size_t place = 0;
  char character = '\0';
  std::string expected;
  std::string found;
  std::string date;
  // The scheme's shape, for the words: "check digit" or "check characters",
  // "digits expected" or "characters expected".
  NumberShape shape;

  bool valid() const { return kind == Kind::kValid; }
};

// The short name of a kind, as the command line's JSON writes it: "valid",
// "empty", "length", "character", "no-check-digit", "check-digit", "date".
std::string_view KindName(Finding::Kind kind);

// The finding in plain words, in ISO-8859-1 as every text of the library,
// starting in lower case: "valid", "check digit
// should be 3, not 4", "8 or 13 digits expected, 12 typed", "the letter O
// cannot stand at place 5", "no such date: 1980-02-30". A valid number of a
// format without check characters is "valid (no check digit)".
std::string Describe(const Finding& finding);

// The lengths in words: "8 or 13", "4 to 9", "at least 2", "8, 9 or 10".
std::string DescribeLengths(const Lengths& lengths);

}  // namespace numerant
