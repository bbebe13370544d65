// The sex shown by the parity of a digit or serial, as several personal
// numbers give it: odd for men (1), even for women (2).
#pragma once

#include <cstdint>

namespace numerant {

constexpr std::int32_t GenderByParity(int value) noexcept {
  return value % 2 == 1 ? 1 : 2;
}

}  // namespace numerant
