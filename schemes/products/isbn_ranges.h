// SPDX-License-Identifier: MIT
// The true parts of a thirteen-digit ISBN: prefix (978 or 979), registration
// group, registrant, publication and check digit. Their lengths are not
// fixed: the International ISBN Agency gives each group its ranges of
// registrants, and the length of the registrant follows from the range its
// first digits fall in. The ranges are those of data/isbn-ranges.txt (the
// agency's message of 13 November 2022), compiled in by
// scripts/isbn-ranges.py.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace numerant {

struct IsbnParts {
  std::string prefix;
  std::string group;
  std::string registrant;
  std::string publication;
  std::string check_digit;

  friend bool operator==(const IsbnParts&, const IsbnParts&) = default;
};

// The parts of `isbn13`, thirteen digits beginning with 978 or 979 (without
// separators; the check digit is not tested). Nothing for any other text,
// for a group the agency has not opened and for a registrant in a range it
// has not given out: such a number has no known split, and is not invalid
// for that.
std::optional<IsbnParts> SplitIsbn(std::string_view isbn13);

// The date of the agency's message the ranges come from: "2022-11-13".
std::string_view IsbnRangesDate();

}  // namespace numerant
