// SPDX-License-Identifier: MIT
// The Verhoeff check digit: the dihedral group of order 10 and a
// permutation applied once more at each place from the right, so that every
// single-digit error and every swap of neighbours changes the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace numerant {

// The digit that completes the digits; nothing when a character is not a
// digit.
std::optional<std::int16_t> VerhoeffCheckDigit(std::string_view digits) noexcept;

// Whether digits, check digit last, are valid: the product over all of them,
// the check digit at place 0, is the group's identity. Nothing when a
// character is not a digit.
std::optional<bool> VerhoeffValid(std::string_view number) noexcept;

}  // namespace numerant
