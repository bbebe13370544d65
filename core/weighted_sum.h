// SPDX-License-Identifier: MIT
// The weighted digit sum many check digits start from: each digit times the
// weight at its position, added in 16-bit arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

#include "core/checked.h"
#include "core/text.h"

namespace numerant {

// What `PlainWeightedDigitSum` gives where `WeightedDigitSum` gives nothing.
inline constexpr std::int32_t kNoDigitSum = std::numeric_limits<std::int32_t>::min();

namespace detail {

// The weighted sum taken one checked step at a time, for weights of either
// sign; out of line, as no rule of the catalogue has a negative weight.
[[gnu::noinline]] inline std::int32_t StepwiseDigitSum(std::string_view digits,
                                                       std::span<const std::int16_t> weights,
                                                       Int16 start) noexcept {
  for (std::size_t i = 0; i < digits.size(); ++i)
    start += Int16(DigitValue(digits[i])) * weights[i];
  return start.ok() ? start.value() : kNoDigitSum;
}

}  // namespace detail

// `WeightedDigitSum` as a plain integer, kNoDigitSum for nothing. Always
// inline and without an optional: built on more than one path, an optional
// is pieced together in memory and read back whole, which costs a short
// number more than its loop.
[[gnu::always_inline]] inline std::int32_t PlainWeightedDigitSum(
    std::string_view digits, std::span<const std::int16_t> weights, Int16 start = 0) noexcept {
  if (digits.size() != weights.size() || !start.ok()) return kNoDigitSum;
  // The sum is taken wide, and the sign bits of the start and weights
  // gathered on the way. (The loop leaves at the first character that is
  // not a digit, which also keeps the compiler from widening it into
  // vectors, a loss on numbers this short.)
  std::uint64_t sum = static_cast<std::uint16_t>(start.value());
  int signs = start.value();
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const auto digit = static_cast<std::uint64_t>(static_cast<unsigned char>(digits[i])) - '0';
    if (digit > 9) return kNoDigitSum;
    sum += digit * static_cast<std::uint64_t>(weights[i]);
    signs |= weights[i];
  }
  // A negative term: every step is tested in its turn.
  if (signs < 0) return detail::StepwiseDigitSum(digits, weights, start);
  // With no negative term the partial sums only grow, and each product is
  // at most the sum: the sum in range keeps every step in range.
  if (sum > static_cast<std::uint64_t>(std::numeric_limits<std::int16_t>::max()))
    return kNoDigitSum;
  return static_cast<std::int32_t>(sum);
}

// start + the sum of digits[i] x weights[i], one weight per digit. Nothing
// when a character is not a digit "0" to "9", when the weights do not pair
// off with the digits, or when a product or a partial sum leaves the 16-bit
// range.
[[gnu::always_inline]] inline std::optional<std::int16_t> WeightedDigitSum(
    std::string_view digits, std::span<const std::int16_t> weights, Int16 start = 0) noexcept {
  const std::int32_t sum = PlainWeightedDigitSum(digits, weights, start);
  if (sum == kNoDigitSum) return std::nullopt;
  return static_cast<std::int16_t>(sum);
}

}  // namespace numerant
