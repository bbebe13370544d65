// SPDX-License-Identifier: MIT
// The check digits that the securities numbers share: CUSIP's and FIGI's
// "double every second character and add the digits", and SEDOL's weights.
// ISIN embeds a CUSIP or a SEDOL, so it reads them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace numerant::securities {

// Each character counts its place in `alphabet`; counted from the left, the
// second, fourth, ... count double; every decimal digit of these values is
// added, and the check digit brings the total to a multiple of 10. Nothing
// when a character is not in the alphabet.
std::optional<std::int16_t> DoubleAddCheckDigit(std::string_view text, std::string_view alphabet);

// CUSIP's alphabet: 0 to 9, A to Z, then "*", "@" and "#" (36 to 38).
inline constexpr std::string_view kCusipAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ*@#";

// The SEDOL check digit of six characters: digits and consonants, each
// letter counting 10 to 35 by its place in the alphabet; weights 1 3 1 7 3
// 9. Nothing for a vowel or any other character.
std::optional<std::int16_t> SedolCheckDigit(std::string_view six);

// The place of the first character of a SEDOL's six that may not stand
// there: a vowel or another sign, or a letter after a leading digit (the
// numbers issued before 2004 are all digits); the length when there is none.
std::size_t SedolFault(std::string_view six);

}  // namespace numerant::securities
