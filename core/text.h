// SPDX-License-Identifier: MIT
// Character helpers shared by every scheme.
//
// The schemes examine text one byte at a time as ISO-8859-1 characters. A
// digit is "0" to "9", a letter "A" to "Z"; no other byte is ever either.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numerant {

constexpr bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}
constexpr bool IsUpperLetter(char c) noexcept {
  return c >= 'A' && c <= 'Z';
}
// The value of a digit: its code minus the code of "0".
constexpr int DigitValue(char c) noexcept {
  return c - '0';
}

// The characters of a set that lie below code 64 (the punctuation that
// separators and marks are made of) as one bit each, so that testing a
// character is a shift.
constexpr std::uint64_t LowCharacterBits(std::string_view characters) noexcept {
  std::uint64_t bits = 0;
  for (char c : characters) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 64) bits |= std::uint64_t{1} << code;
  }
  return bits;
}
constexpr bool InLowCharacterBits(std::uint64_t bits, char c) noexcept {
  const auto code = static_cast<unsigned char>(c);
  return code < 64 && ((bits >> code) & 1) != 0;
}

// Whether the text holds any of the characters.
bool ContainsAny(std::string_view text, std::string_view characters) noexcept;

// The text with every occurrence of each of the separator characters removed.
std::string RemoveSeparators(std::string_view text, std::string_view separators);
// The same into a buffer whose capacity is reused.
void RemoveSeparators(std::string_view text, std::string_view separators, std::string& out);

// Upper-cases the letters of ISO-8859-1 in place ("a" to "z" and the accented
// small letters that have a capital in the set); every other byte stays.
void ToUpperInPlace(std::string& text) noexcept;
// Whether the text holds a letter that upper-casing would change.
bool HasSmallLetters(std::string_view text) noexcept;

// Whether a one-character numeric check digit matches: the character is a
// digit "0" to "9" whose value equals the computed one. A value outside 0 to
// 9 is matched by no character.
constexpr bool DigitMatches(char c, int check_digit) noexcept {
  return IsDigit(c) && DigitValue(c) == check_digit;
}

// A text made only of decimal digits (at least one) read as a whole number of
// the given width; nothing when it holds any other character or does not fit.
std::optional<std::int32_t> ParseDecimal32(std::string_view digits) noexcept;
std::optional<std::int16_t> ParseDecimal16(std::string_view digits) noexcept;

// Two digits with a leading zero below 10: 7 gives "07", 97 gives "97".
std::string TwoDigits(int value);

}  // namespace numerant
