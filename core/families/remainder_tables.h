// SPDX-License-Identifier: MIT
// The tables that turn the remainder of a weighted sum into a check digit,
// shared by the schemes whose rules use the same mapping. A table is indexed
// by the remainder; its size is the modulus.
#pragma once

#include <array>
#include <cstdint>

namespace numerant {

// Modulus 10: the digit that brings the sum up to a multiple of 10.
inline constexpr std::array<std::int16_t, 10> kTenMinusRemainder{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Modulus 11: 11 minus the remainder, 11 and 10 included, for the schemes
// that show these values as they are (no digit then matches).
inline constexpr std::array<std::int16_t, 11> kElevenMinusRemainder{11, 10, 9, 8, 7, 6,
                                                                    5,  4,  3, 2, 1};

// Modulus 11: 11 minus the remainder, 0 for remainder 0; remainder 1 would
// need the digit 10 and so leaves the payload without a check digit (-1).
inline constexpr std::array<std::int16_t, 11> kElevenMinusRemainderNoneForOne{0, -1, 9, 8, 7, 6,
                                                                              5, 4,  3, 2, 1};

// Modulus 11: 11 minus the remainder, with 0 for the remainders 0 and 1 that
// leave no single digit.
inline constexpr std::array<std::int16_t, 11> kElevenMinusRemainderZeroForOne{0, 0, 9, 8, 7, 6,
                                                                              5, 4, 3, 2, 1};

// Modulus 11: the remainder itself, with 10 written as 0.
inline constexpr std::array<std::int16_t, 11> kRemainderOf11TenAsZero{0, 1, 2, 3, 4, 5,
                                                                      6, 7, 8, 9, 0};

// Modulus 11: the remainder itself, 10 included.
inline constexpr std::array<std::int16_t, 11> kRemainderOf11{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

}  // namespace numerant
