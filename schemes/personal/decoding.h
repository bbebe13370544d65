// SPDX-License-Identifier: MIT
// Small steps that several personal numbers take when they read their fields.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace numerant {

// The sex shown by the parity of a digit or serial: odd for men (1), even
// for women (2).
constexpr std::int32_t GenderByParity(int value) noexcept {
  return value % 2 == 1 ? 1 : 2;
}

// The place, counted from 0, of the text's first character that is not a
// digit; the text's length when there is none. A field that fails to read
// as a number names this character.
constexpr std::size_t FirstNonDigit(std::string_view text) noexcept {
  return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) -
                                  text.begin());
}

}  // namespace numerant
