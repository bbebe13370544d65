// SPDX-License-Identifier: MIT
#include "core/damm.h"

#include <array>
#include <cstdint>

#include "core/text.h"

namespace numerant {
namespace {

// Damm's quasigroup of order 10: row the interim digit, column the next
// digit.
constexpr std::array<std::array<std::uint8_t, 10>, 10> kQuasigroup{{
    {0, 3, 1, 7, 5, 9, 8, 6, 4, 2},
    {7, 0, 9, 2, 1, 5, 4, 8, 6, 3},
    {4, 2, 0, 6, 8, 7, 1, 3, 5, 9},
    {1, 7, 5, 0, 9, 8, 3, 4, 2, 6},
    {6, 1, 2, 3, 0, 4, 5, 9, 7, 8},
    {3, 6, 7, 4, 2, 0, 9, 5, 8, 1},
    {5, 8, 6, 9, 7, 2, 0, 1, 3, 4},
    {8, 9, 4, 5, 3, 6, 2, 0, 1, 7},
    {9, 4, 3, 8, 6, 1, 7, 2, 0, 5},
    {2, 5, 8, 1, 4, 3, 6, 7, 9, 0},
}};

}  // namespace

std::optional<int> DammCheckDigit(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  std::uint8_t interim = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    interim = kQuasigroup[interim][static_cast<std::size_t>(DigitValue(c))];
  }
  return interim;
}

}  // namespace numerant
