// SPDX-License-Identifier: MIT
// The remainder modulo 97 of a text of decimal digits read as one number,
// however long (ISO 7064 MOD 97-10 and the Belgian numbers work from it).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/text.h"

namespace numerant {

// The remainder of a number whose digits are given one piece at a time, for
// a rule that makes its digits as it goes (IBAN reads a letter as two) rather
// than holding them as one text.
class Remainder97Builder {
 public:
  // Appends one digit, 0 to 9.
  constexpr void AppendDigit(unsigned digit) noexcept { Append(digit, 10); }
  // Appends two digits at once, 00 to 99.
  constexpr void AppendTwoDigits(unsigned two_digits) noexcept { Append(two_digits, 100); }
  // Appends a digit as itself and a capital letter as its two digits, "A"
  // 10 to "Z" 35, as ISO 7064 MOD 97-10 reads them; false for any other
  // character, which is not appended.
  constexpr bool AppendAlphanumeric(char c) noexcept {
    if (IsDigit(c)) {
      AppendDigit(static_cast<unsigned>(DigitValue(c)));
    } else if (IsUpperLetter(c)) {
      AppendTwoDigits(static_cast<unsigned>(c - 'A' + 10));
    } else {
      return false;
    }
    return true;
  }
  // Appends every character of the text as AppendAlphanumeric does, eight
  // digits at a time where eight stand in a row; false at the first
  // character that is neither a digit nor a capital, with the characters
  // before it appended.
  bool AppendAlphanumerics(std::string_view text) noexcept;

  // 0 to 96.
  constexpr std::int32_t Remainder() const noexcept {
    return static_cast<std::int32_t>(value_ % kModulus);
  }

 private:
  static constexpr std::uint64_t kModulus = 97;
  // Below this bound a step (times 100, plus at most 99) stays inside 64
  // bits, so the division is needed only about once in fifteen digits; the
  // value read stays exact however long the number.
  static constexpr std::uint64_t kReduceFrom = 100'000'000'000'000'000;

  constexpr void Append(unsigned value, unsigned scale) noexcept {
    value_ = value_ * scale + value;
    if (value_ >= kReduceFrom) value_ %= kModulus;
  }

  std::uint64_t value_ = 0;
};

// 0 to 96; nothing for an empty text or one that holds a non-digit.
std::optional<std::int32_t> Remainder97(std::string_view digits) noexcept;

}  // namespace numerant
