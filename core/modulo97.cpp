// SPDX-License-Identifier: MIT
#include "core/modulo97.h"

#include "core/text.h"

namespace numerant {

std::optional<std::int32_t> Remainder97(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  Remainder97Builder remainder;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    remainder.AppendDigit(static_cast<unsigned>(DigitValue(c)));
  }
  return remainder.Remainder();
}

}  // namespace numerant
