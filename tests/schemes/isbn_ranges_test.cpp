// SPDX-License-Identifier: MIT
// The split of an ISBN by the agency's ranges: published books, the edges of
// the ranges, and numbers that have no known split.
#include "schemes/products/isbn_ranges.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace numerant::testing {
namespace {

std::string Hyphenated(std::string_view isbn) {
  const auto parts = SplitIsbn(isbn);
  if (!parts) return "(none)";
  return parts->prefix + "-" + parts->group + "-" + parts->registrant + "-" + parts->publication +
         "-" + parts->check_digit;
}

TEST(IsbnRangesTest, PublishedBooksAndRangeEdges) {
  const struct {
    std::string_view isbn;
    std::string_view hyphenated;
  } cases[] = {
      // Books in print, hyphenated as on their copyright pages.
      {"9780131103627", "978-0-13-110362-7"},  // Kernighan and Ritchie, 2nd edition
      {"9780262033848", "978-0-262-03384-8"},  // Cormen et al., 3rd edition
      {"9780201633610", "978-0-201-63361-0"},  // Gamma et al., Design Patterns
      {"9780201896831", "978-0-201-89683-1"},  // Knuth, volume 1, 3rd edition
      {"9781400079988", "978-1-4000-7998-8"},  // Tolstoy, War and Peace, Vintage
      {"9780306406157", "978-0-306-40615-7"},  // the agency's manual's example
      {"9783161484100", "978-3-16-148410-0"},  // the German agency's example
      // Edges: the first and last registrant of a range, one-digit and
      // seven-digit registrants, groups of two to five digits, both prefixes.
      {"9780000000002", "978-0-00-000000-2"},
      {"9780199999996", "978-0-19-999999-6"},
      {"9780200000000", "978-0-200-00000-0"},
      {"9780999999998", "978-0-9999999-9-8"},
      {"9788804668237", "978-88-04-66823-7"},
      {"9786050000009", "978-605-00-0000-9"},
      {"9789998785007", "978-99987-850-0-7"},
      {"9789999000000", "978-99990-0-000-0"},
      {"9791090636071", "979-10-90636-07-1"},
      {"9791220000000", "979-12-200-0000-0"},
      {"9798200000005", "979-8-200-00000-5"},
      // No known split: a group not opened (978-66, 979-0 is the ISMN's),
      // registrants not given out (978-99987-0, 979-12-01), not an ISBN.
      {"9786600000008", "(none)"},
      {"9790000000001", "(none)"},
      {"9789998700000", "(none)"},
      {"9791201000005", "(none)"},
      {"9770000000000", "(none)"},
      {"978030640615", "(none)"},
      {"97803064061570", "(none)"},
      {"978-0-306-406", "(none)"},
      {"", "(none)"},
  };
  for (const auto& [isbn, hyphenated] : cases)
    EXPECT_EQ(Hyphenated(isbn), hyphenated) << isbn;
}

TEST(IsbnRangesTest, TheRangesAreThoseOfTheAgencysMessage) {
  EXPECT_EQ(IsbnRangesDate(), "2022-11-13");
}

}  // namespace
}  // namespace numerant::testing
