// SPDX-License-Identifier: MIT
// RUN: the Chilean national number, eight digits and a check character. The
// digits are weighted 3 2 7 6 5 4 3 2, and the remainder of the sum modulo 11
// gives "0" for 0, "K" for 1 and the digit 11 - r for the others. Blanks and
// full stops are removed, a hyphen is not; "K" is compared as typed.
//   12345678: 3 + 4 + 21 + 24 + 25 + 24 + 21 + 16 = 138 = 12 x 11 + 6, so 5.
//   RUN run;
//   run.Calculate("12.345.678");    // "5"
//   run.Check("12.345.678 5");      // true; a hyphen before the 5 is not removed
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "0" to "9" or "K"; "" before the first call and "-1"
// when a call computed nothing.
class RUN final : public CheckDigitNumber<std::string> {
 public:
  RUN();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<RUN> {
  static constexpr std::string_view kName = "RUN";
  static constexpr std::string_view kDescription =
      "Chilean national number; check character 0 to 9 or K, modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &RUN::CheckDigit}};
};

}  // namespace numerant
