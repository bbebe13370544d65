// SPDX-License-Identifier: MIT
// BI: the Portuguese identity card number, eight digits and a check digit.
// The digits weigh 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the check
// digit is 11 minus the weighted sum modulo 11, so 10 or 11 where the sum
// leaves 1 or 0, and then no final digit matches. 12345678: 9 + 16 + 21 + 24
// + 25 + 24 + 21 + 16 = 156 = 14 x 11 + 2, so 9.
//   BI bi;
//   bi.Calculate("12345678");   // 9
//   bi.Calculate("00000000");   // 11
//   bi.Check("12345678-9");     // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class BI final : public WeightedSumNumber<> {
 public:
  BI();
};

template <>
struct Descriptor<BI> {
  static constexpr std::string_view kName = "BI";
  static constexpr std::string_view kDescription =
      "Portuguese identity card number; weights 9 to 2, 11 minus the remainder modulo 11 (can be "
      "10 or 11)";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BI::CheckDigit}};
};

}  // namespace numerant
