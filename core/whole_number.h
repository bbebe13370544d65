// SPDX-License-Identifier: MIT
// Whole-number tests for the fieldless route: a number typed as it is
// stored, check characters included, judged in one pass over the caller's
// text with nothing copied and no field cut. Each test gives nothing for a
// number it does not judge (a separator, a small letter, a length outside
// its bounds); such a number takes the common course instead, so that
// whatever a test answers is what `Check` answers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/alternating_weights.h"

namespace numerant::whole {

// The longest number judged here. The sums of so many digits stay far inside
// 16 bits (at most 27 a digit), where the common course's overflow test
// never fires.
inline constexpr std::size_t kLongest = 1000;

namespace detail {

// What a character counts in a place: a digit's weighed value, any other
// character kBad, a bit that no sum of digit terms reaches in its byte.
inline constexpr std::uint8_t kBad = 0x80;
using Terms = std::array<std::uint8_t, 256>;

constexpr Terms MakeTerms(int factor, bool digit_sum) {
  Terms terms{};
  for (auto& term : terms)
    term = kBad;
  for (int digit = 0; digit < 10; ++digit) {
    const int weighed = factor * digit;
    terms[static_cast<std::size_t>('0' + digit)] = static_cast<std::uint8_t>(
        digit_sum ? DigitSum(static_cast<std::uint8_t>(weighed)) : weighed);
  }
  return terms;
}

inline constexpr Terms kSingle = MakeTerms(1, false);
inline constexpr Terms kLuhnDoubled = MakeTerms(2, true);
inline constexpr Terms kTripled = MakeTerms(3, false);

// The rightmost digit (the check digit) counts singly, the one before it
// weighed, and so on alternately to the left; the number is valid when the
// total is a multiple of 10, which is the same as its check digit being the
// one that brings the payload's total there.
inline std::optional<bool> AlternatingValid(std::string_view number, const Terms& weighed) {
  const std::size_t n = number.size();
  if (n < 2 || n > kLongest) return std::nullopt;
  const auto* c = reinterpret_cast<const unsigned char*>(number.data());
  unsigned total = 0;
  unsigned bad = 0;
  std::size_t i = 0;
  // With an odd count the leftmost digit counts singly; then pairs follow,
  // the first weighed and the second single.
  if (n % 2 == 1) {
    total = bad = kSingle[c[0]];
    i = 1;
  }
  for (; i < n; i += 2) {
    const unsigned a = weighed[c[i]];
    const unsigned b = kSingle[c[i + 1]];
    total += a + b;
    bad |= a | b;
  }
  if ((bad & kBad) != 0) return std::nullopt;
  return total % 10 == 0;
}

}  // namespace detail

// A number of digits whose last one is its Luhn digit.
inline std::optional<bool> LuhnValid(std::string_view number) {
  return detail::AlternatingValid(number, detail::kLuhnDoubled);
}

// A number of digits whose last one is its Modulo10 (EAN, GS1) digit.
inline std::optional<bool> Modulo10Valid(std::string_view number) {
  return detail::AlternatingValid(number, detail::kTripled);
}

// Whether the text is digits alone.
inline bool AllDigits(std::string_view text) {
  unsigned bad = 0;
  for (char c : text)
    bad |= detail::kSingle[static_cast<unsigned char>(c)];
  return (bad & detail::kBad) == 0;
}

}  // namespace numerant::whole
