// SPDX-License-Identifier: MIT
#include "core/iso7064.h"

#include "core/text.h"

namespace numerant {

std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  // Every value stays below 21.
  int product = 10;
  int intermediate = 10;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    intermediate = (product % 11 + DigitValue(c)) % 10;
    if (intermediate == 0) intermediate = 10;
    product = 2 * intermediate;
  }
  return intermediate;
}

std::optional<int> Mod112CheckValue(std::string_view digits) noexcept {
  // Horner's scheme: doubling the running remainder at each digit gives
  // each digit its power of 2 by the time the check place is reached.
  int remainder = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    remainder = (remainder + DigitValue(c)) * 2 % 11;
  }
  return (12 - remainder) % 11;
}

}  // namespace numerant
