// SPDX-License-Identifier: MIT
// PPS: the Irish personal public service number, seven digits and a check
// letter. The digits are weighted 8 7 6 5 4 3 2, and the remainder of the sum
// modulo 23 picks the letter: "W" for 0, the r-th letter of the alphabet for
// the others. The letter is compared as typed: a small letter never matches.
//   1234567: 8 + 14 + 18 + 20 + 20 + 18 + 14 = 112 = 4 x 23 + 20, so "T".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "" while no check letter is known.
class PPS final : public CheckLetterNumber<PPS> {
 public:
  PPS();
};

template <>
struct Descriptor<PPS> {
  static constexpr std::string_view kName = "PPS";
  static constexpr std::string_view kDescription =
      "Irish Personal Public Service number; check letter by weighted modulo 23";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PPS::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567T"),
      // "1234567t" is not
      Valid("1234567-T"),
      Calculates("1234567", "T"),
      Calculates("0000000", "W"),
      Calculates("123456A", ""),
      // the letter's case counts
      Invalid("1234567t", "the letter t cannot stand at place 8"),
      Invalid("1234567TW", "8 digits expected, 9 typed"),
      Invalid("", "no number typed"),
      Invalid("123456AT", "the letter A cannot stand at place 7"),
      Invalid("1234567W", "check character should be T, not W"),
  };
  // Examples end
};

}  // namespace numerant
