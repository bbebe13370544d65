// SPDX-License-Identifier: MIT
#include "schemes/products/isbn_ranges.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace numerant {
namespace {

struct IsbnGroupEntry {
  std::uint16_t prefix;     // 978 or 979
  std::string_view digits;  // the registration group, 1 to 5 digits
  std::uint16_t first_range;
  std::uint16_t range_count;
};

// Registrants from `first` to `last`, both read as numbers of `length`
// digits.
struct IsbnRangeEntry {
  std::uint32_t first;
  std::uint32_t last;
  std::uint8_t length;
};

#include "schemes/products/isbn_ranges_data.inc"

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::uint32_t NumberOf(std::string_view digits) {
  std::uint32_t value = 0;
  for (char c : digits)
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  return value;
}

}  // namespace

std::optional<IsbnParts> SplitIsbn(std::string_view isbn13) {
  if (isbn13.size() != 13 || !AllDigits(isbn13)) return std::nullopt;
  const std::uint32_t prefix = NumberOf(isbn13.substr(0, 3));
  if (prefix != 978 && prefix != 979) return std::nullopt;
  // Between the prefix and the check digit.
  const std::string_view body = isbn13.substr(3, 9);
  for (const IsbnGroupEntry& group : kIsbnGroups) {
    // The groups of a prefix are prefix-free: at most one begins the body.
    if (group.prefix != prefix || !body.starts_with(group.digits)) continue;
    const std::string_view rest = body.substr(group.digits.size());
    const std::span<const IsbnRangeEntry> ranges(kIsbnRanges + group.first_range,
                                                 group.range_count);
    for (const IsbnRangeEntry& range : ranges) {
      // At least one digit is left for the publication.
      if (range.length >= rest.size()) continue;
      const std::uint32_t registrant = NumberOf(rest.substr(0, range.length));
      if (registrant < range.first || registrant > range.last) continue;
      return IsbnParts{.prefix = std::string(isbn13.substr(0, 3)),
                       .group = std::string(group.digits),
                       .registrant = std::string(rest.substr(0, range.length)),
                       .publication = std::string(rest.substr(range.length)),
                       .check_digit = std::string(isbn13.substr(12))};
    }
    return std::nullopt;
  }
  return std::nullopt;
}

std::string_view IsbnRangesDate() {
  return kIsbnRangesDate;
}

}  // namespace numerant
