// SPDX-License-Identifier: MIT
// BOL: a 17-digit code, sixteen digits and a check digit by
// the Modulo10 rule: weight 3 on the rightmost payload digit, then 1 and 3
// alternately to the left, and the digit that brings the sum up to a
// multiple of 10.
//   0123456789012345: 0+3+2+9+4+15+6+21+8+27+0+3+2+9+4+15 = 128, so 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo10_number.h"
#include "core/scheme.h"

namespace numerant {

class BOL final : public Modulo10Number<> {
 public:
  BOL();
};

template <>
struct Descriptor<BOL> {
  static constexpr std::string_view kName = "BOL";
  static constexpr std::string_view kDescription =
      "Bill of lading number; weights 3 and 1, modulo 10";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BOL::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("01234567890123452"),
      Valid("0123-4567-8901-2345-2"),
      Calculates("0123456789012345", "2"),
      Calculates("012345678901234+", "-1"),
      Invalid("01234567890123453", "check digit should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
