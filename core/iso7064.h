// SPDX-License-Identifier: MIT
// ISO 7064 check characters.
//
// MOD 11,10: the hybrid recurrence. Starting from the product 10, each digit
// gives the intermediate value s = (digit + product mod 11) mod 10, taken as
// 10 when it is 0, and the next product 2s.
#pragma once

#include <optional>
#include <string_view>

namespace numerant {

// The intermediate value s (1 to 10) after the last digit; nothing when a
// character is not a digit or there is none.
std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept;

// MOD 11-2, the pure system: the digits, weighted by 2 to the power of their
// place counted from the right (the check character at 0) and taken modulo
// 11, add up with the check value to 1 modulo 11. The check value 0 to 10,
// of which 10 is written "X"; nothing when a character is not a digit.
std::optional<int> Mod112CheckValue(std::string_view digits) noexcept;

}  // namespace numerant
