// SPDX-License-Identifier: MIT
#include "core/verhoeff.h"

#include <array>
#include <cstddef>

#include "core/text.h"

namespace numerant {
namespace {

using Row = std::array<std::uint8_t, 10>;

// d(j, k): the group operation of D5 in Verhoeff's numbering.
constexpr std::array<Row, 10> kMultiplication{{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 2, 3, 4, 0, 6, 7, 8, 9, 5},
    {2, 3, 4, 0, 1, 7, 8, 9, 5, 6},
    {3, 4, 0, 1, 2, 8, 9, 5, 6, 7},
    {4, 0, 1, 2, 3, 9, 5, 6, 7, 8},
    {5, 9, 8, 7, 6, 0, 4, 3, 2, 1},
    {6, 5, 9, 8, 7, 1, 0, 4, 3, 2},
    {7, 6, 5, 9, 8, 2, 1, 0, 4, 3},
    {8, 7, 6, 5, 9, 3, 2, 1, 0, 4},
    {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
}};

// p(i, x): row 0 is the identity, each further row applies the base
// permutation 0→1 1→5 2→7 3→6 4→2 5→8 6→3 7→0 8→9 9→4 once more.
constexpr std::array<Row, 8> kPermutation{{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 5, 7, 6, 2, 8, 3, 0, 9, 4},
    {5, 8, 0, 3, 7, 9, 6, 1, 4, 2},
    {8, 9, 1, 6, 0, 4, 3, 5, 2, 7},
    {9, 4, 5, 3, 1, 2, 6, 8, 7, 0},
    {4, 2, 8, 6, 5, 7, 3, 9, 0, 1},
    {2, 7, 9, 3, 8, 0, 6, 4, 1, 5},
    {7, 0, 4, 6, 9, 1, 3, 2, 5, 8},
}};

constexpr Row kInverse{0, 4, 3, 2, 1, 5, 6, 7, 8, 9};

}  // namespace

std::optional<std::int16_t> VerhoeffCheckDigit(std::string_view digits) noexcept {
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

// Two neighbouring places, from place 2k on (k = 0 to 3), multiplied
// together before they meet the running value: the group is associative, so
// (c * a) * b = c * (a * b), and the running value then waits on one lookup
// for every two digits instead of one for each.
constexpr auto kPairs = [] {
  std::array<std::array<Row, 10>, 4> pairs{};
  for (std::size_t k = 0; k < 4; ++k) {
    for (std::size_t x = 0; x < 10; ++x) {
      for (std::size_t y = 0; y < 10; ++y) {
        pairs[k][x][y] = kMultiplication[kPermutation[2 * k][x]][kPermutation[2 * k + 1][y]];
      }
    }
  }
  return pairs;
}();

std::optional<bool> VerhoeffValid(std::string_view number) noexcept {
  std::uint8_t c = 0;
  std::size_t place = 0;
  std::size_t i = number.size();
  // From the right: the check digit at place 0, then pairs of places.
  for (; i >= 2; i -= 2, place += 2) {
    const auto x = static_cast<unsigned>(number[i - 1] - '0');
    const auto y = static_cast<unsigned>(number[i - 2] - '0');
    if (x > 9 || y > 9) return std::nullopt;
    c = kMultiplication[c][kPairs[(place % 8) / 2][x][y]];
  }
  if (i == 1) {
    const auto x = static_cast<unsigned>(number[0] - '0');
    if (x > 9) return std::nullopt;
    c = kMultiplication[c][kPermutation[place % 8][x]];
  }
  return c == 0;
}

}  // namespace numerant
