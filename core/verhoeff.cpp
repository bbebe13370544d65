// SPDX-License-Identifier: MIT
#include "core/verhoeff.h"

#include "core/text.h"

namespace numerant {

std::optional<std::int16_t> VerhoeffCheckDigit(std::string_view digits) noexcept {
  using namespace verhoeff;
  std::uint8_t c = 0;
  // Positions count from the right, where the check digit stands at 0, so
  // the last digit given stands at 1.
  for (std::size_t i = 1; i <= digits.size(); ++i) {
    const char digit = digits[digits.size() - i];
    if (!IsDigit(digit)) return std::nullopt;
    const auto x = static_cast<std::size_t>(DigitValue(digit));
    c = kMultiplication[c][kPermutation[i % 8][x]];
  }
  return kInverse[c];
}

}  // namespace numerant
