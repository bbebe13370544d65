// SPDX-License-Identifier: MIT
// The check systems of ISO 7064, over texts of any length.
//
// Pure systems (MOD 11-2, MOD 37-2, MOD 97-10) carry a running value r,
// r = (r x radix + character value) mod M from the left; the check
// characters bring the whole number's value to 1 modulo M. Hybrid systems
// (MOD 11,10, MOD 37,36) alternate two moduli M and M + 1: each character
// gives the intermediate value s = (character value + product mod (M + 1))
// mod M, taken as M when it is 0, and the next product 2s; the check
// character ends the recurrence on 1.
//
// Characters count 0 to 9 for the digits and 10 to 35 for "A" to "Z". Every
// function gives nothing for an empty text or one holding a character its
// system does not read.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace numerant {

// The value of "0" to "9" and "A" to "Z" in the alphanumeric systems; -1
// for any other character.
constexpr int AlphanumericValue(char c) noexcept {
  if (IsDigit(c)) return DigitValue(c);
  if (IsUpperLetter(c)) return c - 'A' + 10;
  return -1;
}

// The place of the first character that is neither a digit nor a capital;
// the text's length when there is none.
constexpr std::size_t FirstNonAlphanumeric(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && AlphanumericValue(text[i]) >= 0)
    ++i;
  return i;
}

// The alphabet of the alphanumeric check characters, by value.
inline constexpr std::string_view kAlphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The MOD 11,10 intermediate value s (1 to 10) after the last digit.
std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept;

// MOD 11-2 over digits: the check value 0 to 10, written "0" to "9" and "X".
std::optional<int> Mod112CheckValue(std::string_view digits) noexcept;

// MOD 37-2 over digits and capitals: the check value 0 to 36, written as
// `kAlphanumeric` and "*" for 36.
std::optional<int> Mod372CheckValue(std::string_view text) noexcept;

// MOD 97-10 over digits and capitals, each capital read as its two digits
// 10 to 35: the two check digits 02 to 98 that follow the text.
std::optional<int> Mod9710CheckValue(std::string_view text) noexcept;
// The same over the text `first` followed by `second`, read without joining
// them.
std::optional<int> Mod9710CheckValue(std::string_view first, std::string_view second) noexcept;

// MOD 11,10 over digits: the check digit 0 to 9.
std::optional<int> Mod1110CheckDigit(std::string_view digits) noexcept;

// MOD 37,36 over digits and capitals: the check value 0 to 35, written as
// `kAlphanumeric`.
std::optional<int> Mod3736CheckValue(std::string_view text) noexcept;

}  // namespace numerant
