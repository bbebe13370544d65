// SPDX-License-Identifier: MIT
// The Verhoeff check digit: the dihedral group of order 10 and a
// permutation applied once more at each place from the right, so that every
// single-digit error and every swap of neighbours changes the result.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace numerant {

// The digit that completes the digits; nothing when a character is not a
// digit.
std::optional<std::int16_t> VerhoeffCheckDigit(std::string_view digits) noexcept;

namespace verhoeff {

using Row = std::array<std::uint8_t, 10>;

// d(j, k): the group operation of D5 in Verhoeff's numbering.
inline constexpr std::array<Row, 10> kMultiplication{{
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
inline constexpr std::array<Row, 8> kPermutation{{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 5, 7, 6, 2, 8, 3, 0, 9, 4},
    {5, 8, 0, 3, 7, 9, 6, 1, 4, 2},
    {8, 9, 1, 6, 0, 4, 3, 5, 2, 7},
    {9, 4, 5, 3, 1, 2, 6, 8, 7, 0},
    {4, 2, 8, 6, 5, 7, 3, 9, 0, 1},
    {2, 7, 9, 3, 8, 0, 6, 4, 1, 5},
    {7, 0, 4, 6, 9, 1, 3, 2, 5, 8},
}};

inline constexpr Row kInverse{0, 4, 3, 2, 1, 5, 6, 7, 8, 9};

// Three neighbouring places, the first of them at place p (any place modulo
// 8), multiplied together before they meet the running value: the group is
// associative, so c * (a * b * d) = c * a * b * d, and the running value
// then waits on one lookup for every three digits instead of one for each.
// A table for each p, indexed by the three digits read from the left as a
// number in base 11, where 10 stands for a place beyond the number's start
// and counts as the identity; 1,331 bytes each.
inline constexpr std::size_t kBlank = 10;
using Triples = std::array<std::uint8_t, 11 * 11 * 11>;
inline constexpr auto kTriples = [] {
  const auto term = [](std::size_t place, std::size_t digit) -> std::uint8_t {
    return digit == kBlank ? 0 : kPermutation[place % 8][digit];
  };
  std::array<Triples, 8> triples{};
  for (std::size_t p = 0; p < 8; ++p) {
    for (std::size_t left = 0; left <= kBlank; ++left) {
      for (std::size_t middle = 0; middle <= kBlank; ++middle) {
        for (std::size_t right = 0; right <= kBlank; ++right) {
          triples[p][121 * left + 11 * middle + right] =
              kMultiplication[kMultiplication[term(p, right)][term(p + 1, middle)]]
                             [term(p + 2, left)];
        }
      }
    }
  }
  return triples;
}();

// A character's share of a three's index, for the place in the three that
// counts `kWeight` (121, 11 or 1): its digit times the weight, or for any
// other character a share so large that no index of a three of digits
// reaches it, so that the three is tested once instead of a character at a
// time.
inline constexpr std::size_t kTripleCount = 11 * 11 * 11;
inline constexpr std::uint16_t kNotDigit = 0x4000;
template <std::uint16_t kWeight>
inline constexpr auto kShare = [] {
  std::array<std::uint16_t, 256> share{};
  share.fill(kNotDigit);
  for (std::uint16_t digit = 0; digit < 10; ++digit)
    share['0' + digit] = static_cast<std::uint16_t>(kWeight * digit);
  return share;
}();

}  // namespace verhoeff

// Whether digits, check digit last, are valid: the product over all of them,
// the check digit at place 0, is the group's identity. Nothing when a
// character is not a digit. Inline, as the fieldless route of every Verhoeff
// number runs through it.
inline std::optional<bool> VerhoeffValid(std::string_view number) noexcept {
  using namespace verhoeff;
  const std::size_t n = number.size();
  // The share of the character at i, by the table of its place in a three.
  const auto share = [&number](const auto& table, std::size_t i) -> std::size_t {
    return table[static_cast<unsigned char>(number[i])];
  };
  if (n < 2) {
    if (n == 1 && share(kShare<1>, 0) > 9) return std::nullopt;
    return n == 0 || number[0] == '0';
  }
  // The places are cut into threes from the right; the leftmost three holds
  // n mod 3 digits and blanks. The product is taken from the left, each
  // three multiplying what stands to its left from the left side:
  // c_0 * (c_1 * (... * c_m)).
  const std::size_t lead = n % 3;
  // The leftmost three by the count of its digits, picked without a branch:
  // the count is as random as the lengths of a batch.
  constexpr std::size_t kBlanks = 121 * kBlank + 11 * kBlank + kBlank;
  const std::array<std::size_t, 3> openings{
      kBlanks,
      kBlanks - kBlank + share(kShare<1>, 0),
      kBlanks - 11 * kBlank - kBlank + share(kShare<11>, 0) + share(kShare<1>, 1),
  };
  const std::size_t opening = openings[lead];
  if (opening >= kTripleCount) return std::nullopt;
  std::uint8_t c = kTriples[(n - lead) % 8][opening];
  for (std::size_t i = lead; i < n; i += 3) {
    const std::size_t index =
        share(kShare<121>, i) + share(kShare<11>, i + 1) + share(kShare<1>, i + 2);
    // Every index stays inside its table.
    if (index >= kTripleCount) return std::nullopt;
    c = kMultiplication[kTriples[(n - i - 3) % 8][index]][c];
  }
  return c == 0;
}

}  // namespace numerant
