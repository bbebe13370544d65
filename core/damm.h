// SPDX-License-Identifier: MIT
// Damm: the interim digit runs through a totally anti-symmetric quasigroup of
// order 10, one table step a digit from 0; the check digit is the interim
// digit after the payload, as the table's diagonal of zeros then ends the
// whole number on 0. It catches every single-digit error and every swap of
// neighbours.
#pragma once

#include <optional>
#include <string_view>

namespace numerant {

// The check digit 0 to 9; nothing for an empty text or one holding a
// non-digit.
std::optional<int> DammCheckDigit(std::string_view digits) noexcept;

}  // namespace numerant
