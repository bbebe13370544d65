// SPDX-License-Identifier: MIT
// RUN: the Chilean national number, eight digits and a check character. The
// digits are weighted 3 2 7 6 5 4 3 2, and the remainder of the sum modulo 11
// gives "0" for 0, "K" for 1 and the digit 11 - r for the others. Blanks and
// full stops are removed, a hyphen is not; "K" is compared as typed.
//   12345678: 3 + 4 + 21 + 24 + 25 + 24 + 21 + 16 = 138 = 12 x 11 + 6, so 5.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "0" to "9" or "K"; "" before the first call and "-1"
// when a call computed nothing.
class RUN final : public CheckLetterNumber<RUN> {
 public:
  RUN();
};

template <>
struct Descriptor<RUN> {
  static constexpr std::string_view kName = "RUN";
  static constexpr std::string_view kDescription =
      "Chilean national number; check character 0 to 9 or K, modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &RUN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456785"),
      // a hyphen before the 5 is not removed
      Valid("12.345.678 5"),
      Valid("10000013K"),
      Calculates("12.345.678", "5"),
      Calculates("10000013", "K"),
      Calculates("9876543", "-1", R"(CheckDigit="-1")"),
      // a hyphen is not removed
      Calculates("1234-567", "-1"),
      Invalid("12.345.678-5", "9 digits expected, 10 typed", R"(CheckDigit="-1")"),
      Invalid("10000013k", "the letter k cannot stand at place 9", R"(CheckDigit="K")"),
      Invalid("", "no number typed"),
      Invalid("1234567X5", "the letter X cannot stand at place 8"),
      Invalid("12.345.678 4", "check character should be 5, not 4"),
  };
  // Examples end
};

}  // namespace numerant
