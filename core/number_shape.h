// SPDX-License-Identifier: MIT
// The shape of a scheme's numbers, as data: which separators it strips,
// whether it upper-cases, which lengths it accepts, and how many check
// characters of which kind stand where. The common course of a scheme reads
// it, and so do the catalogue, the explanations and the command line.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <span>
#include <string_view>

namespace numerant {

// A range of accepted lengths, both ends included; `max` is kUnbounded for a
// range without an upper end.
struct LengthRange {
  static constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();

  std::size_t min = 0;
  std::size_t max = 0;

  friend constexpr bool operator==(const LengthRange&, const LengthRange&) = default;
};

// The lengths a scheme accepts: a few ranges in ascending order, such as
// {8, 8} and {13, 13} for EAN, or {1, kUnbounded} for Luhn.
class Lengths {
 public:
  static constexpr std::size_t kMaxRanges = 3;

  constexpr Lengths() = default;
  constexpr Lengths(std::initializer_list<LengthRange> ranges) {
    for (const LengthRange& range : ranges) {
      if (count_ < kMaxRanges) ranges_[count_++] = range;
    }
  }
  // A single length.
  static constexpr Lengths Exactly(std::size_t length) { return {{length, length}}; }
  static constexpr Lengths AtLeast(std::size_t length) {
    return {{length, LengthRange::kUnbounded}};
  }

  // Adds a range after the others; one beyond kMaxRanges is not kept.
  constexpr void Add(LengthRange range) {
    if (count_ < kMaxRanges) ranges_[count_++] = range;
  }

  constexpr bool Contains(std::size_t length) const {
    return std::any_of(
        ranges_.begin(), ranges_.begin() + static_cast<std::ptrdiff_t>(count_),
        [length](const LengthRange& r) { return length >= r.min && length <= r.max; });
  }

  // The same ranges moved up by `extra`: the lengths of a whole number when
  // these are the lengths of its payload.
  constexpr Lengths Plus(std::size_t extra) const {
    Lengths moved = *this;
    for (std::size_t i = 0; i < count_; ++i) {
      moved.ranges_[i].min += extra;
      if (moved.ranges_[i].max != LengthRange::kUnbounded) moved.ranges_[i].max += extra;
    }
    return moved;
  }

  constexpr std::span<const LengthRange> ranges() const { return {ranges_.data(), count_}; }

  friend constexpr bool operator==(const Lengths& a, const Lengths& b) {
    return std::equal(a.ranges().begin(), a.ranges().end(), b.ranges().begin(), b.ranges().end());
  }

 private:
  std::array<LengthRange, kMaxRanges> ranges_{};
  std::size_t count_ = 0;
};

// What may stand in the place of the check characters.
enum class CheckCharacters {
  kDigits,            // "0" to "9"
  kLetters,           // "A" to "Z"
  kDigitsAndLetters,  // both, as GRid, HETU, or ISBN's "X"
  kAny,               // any character the rule can give, as NID's
};

struct NumberShape {
  // Check characters that close the number.
  static constexpr std::size_t kAtEnd = std::numeric_limits<std::size_t>::max();

  // Removed wherever they stand before anything else is looked at.
  std::string_view separators = " -";
  bool upper_case = false;
  // Texts that may open a number (a country code, a series mark), each
  // removed once, in this order, where it stands at the start once the
  // separators are gone and the case is folded; most schemes have none.
  std::array<std::string_view, 2> prefixes = {};
  // Whether a payload may hold letters (or other characters) besides digits.
  bool payload_letters = false;
  // The lengths of the payload, the number without its check characters and
  // without separators, that `Calculate` accepts.
  Lengths payload_lengths = {};
  // How many check characters there are, of which kind, and the place of the
  // first one counted from 0, or kAtEnd.
  std::size_t check_length = 1;
  CheckCharacters check_characters = CheckCharacters::kDigits;
  std::size_t check_place = kAtEnd;

  // The lengths of a complete number that `Check` accepts.
  constexpr Lengths NumberLengths() const { return payload_lengths.Plus(check_length); }
};

}  // namespace numerant
