// SPDX-License-Identifier: MIT
// SIREN: the French company number, eight digits and a Luhn check digit.
// From the right, the last payload digit and every second one before it
// count with the digit sum of their double, the others as they are, and the
// check digit brings the total up to a multiple of 10. 732 829 32: 4 (2
// doubled), 3, 9 (9 doubled is 18), 2, 7 (8 doubled is 16), 2, 6 and 7 make
// 40, so 0.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/scheme.h"

namespace numerant {

class SIREN final : public LuhnNumber<> {
 public:
  SIREN();
};

template <>
struct Descriptor<SIREN> {
  static constexpr std::string_view kName = "SIREN";
  static constexpr std::string_view kDescription = "French company number; Luhn";
  static constexpr std::string_view kWrittenForm = "### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIREN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("732829320"),
      Valid("732 829 320"),
      Calculates("732 829 32", "0"),
      // a full stop is not stripped
      Calculates("7328.932", "-1"),
      Calculates("732829320", "-1"),
      Invalid("732 829 32A", "the letter A cannot stand at place 11"),
      Invalid("732 8x9 320", "the letter x cannot stand at place 6"),
  };
  // Examples end
};

}  // namespace numerant
