// The weighted digit sum many check digits start from: each digit times the
// weight at its position, added in 16-bit arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/checked.h"
#include "core/text.h"

namespace numerant {

// start + the sum of digits[i] x weights[i], one weight per digit. Nothing
// when a character is not a digit "0" to "9", when the weights do not pair
// off with the digits, or when the sum leaves the 16-bit range.
inline std::optional<std::int16_t> WeightedDigitSum(std::string_view digits,
                                                    std::span<const std::int16_t> weights,
                                                    Int16 start = 0) noexcept {
  if (digits.size() != weights.size()) return std::nullopt;
  Int16 sum = start;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (!IsDigit(digits[i])) return std::nullopt;
    sum += Int16(DigitValue(digits[i])) * weights[i];
  }
  if (!sum.ok()) return std::nullopt;
  return sum.value();
}

}  // namespace numerant
