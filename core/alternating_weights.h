// SPDX-License-Identifier: MIT
// The check digits of Luhn and Modulo10, and Luhn over any alphabet: the check digit brings a
// weighted sum up to a multiple of 10. The weights are anchored at the right end: the rightmost
// payload digit counts as the rule weighs it, the one before it singly, and so on alternately to
// the left, so that a leading zero changes nothing and every length is weighted alike. The sum is a
// 16-bit integer: a payload whose sum leaves that range, or of more than 32767 digits, has no check
// digit.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace numerant {

// The digit sum of a doubled digit: (n mod 10) + (n div 10). For 0 to 18 this
// is the sum of the decimal digits; from 100 on it is this formula and no
// more (123 gives 3 + 12 = 15).
constexpr std::uint8_t DigitSum(std::uint8_t n) noexcept {
  return static_cast<std::uint8_t>(n % 10 + n / 10);
}

// Luhn: the rightmost digit and every second one to its left count with the
// digit sum of their double. Nothing when a character is not a digit or the
// sum overflows.
std::optional<std::int16_t> LuhnCheckDigit(std::string_view digits) noexcept;

// Modulo10 (the EAN rule): the rightmost digit and every second one to its
// left count three times.
std::optional<std::int16_t> Modulo10CheckDigit(std::string_view digits) noexcept;

// Luhn over an alphabet of N characters ("Luhn mod N"): each character
// counts its place in the alphabet; from the right, the last payload
// character and every second one to its left count double, a doubled value
// of N or more as the sum of its two base-N digits; the check value, an
// index into the alphabet, brings the total to a multiple of N. Nothing for
// an empty text, a character outside the alphabet, or an alphabet of fewer
// than 2 or more than 256 characters.
std::optional<int> LuhnModNCheckValue(std::string_view text, std::string_view alphabet) noexcept;

}  // namespace numerant
