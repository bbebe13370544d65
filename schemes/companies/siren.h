// SPDX-License-Identifier: MIT
// SIREN: the French company number, eight digits and a Luhn check digit.
// From the right, the last payload digit and every second one before it
// count with the digit sum of their double, the others as they are, and the
// check digit brings the total up to a multiple of 10. 732 829 32: 4 (2
// doubled), 3, 9 (9 doubled is 18), 2, 7 (8 doubled is 16), 2, 6 and 7 make
// 40, so 0.
//   SIREN siren;
//   siren.Calculate("732 829 32");   // 0
//   siren.Check("732 829 320");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/luhn_number.h"

namespace numerant {

class SIREN final : public LuhnNumber<> {
 public:
  SIREN();
};

template <>
struct Descriptor<SIREN> {
  static constexpr std::string_view kName = "SIREN";
  static constexpr std::string_view kDescription = "French company number; Luhn";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIREN::CheckDigit}};
};

}  // namespace numerant
