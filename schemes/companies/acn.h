// SPDX-License-Identifier: MIT
// ACN: the Australian company number, eight digits and a check digit. The
// digits weigh 8, 7, 6, 5, 4, 3, 2 and 1 from the left, and the check digit
// brings the weighted sum up to a multiple of 10. 004 085 61: 24 + 32 + 15 +
// 12 + 1 = 84, so 6.
//   ACN acn;
//   acn.Calculate("004 085 61");   // 6
//   acn.Check("004-085-616");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class ACN final : public WeightedSumNumber<> {
 public:
  ACN();
};

template <>
struct Descriptor<ACN> {
  static constexpr std::string_view kName = "ACN";
  static constexpr std::string_view kDescription =
      "Australian Company Number; weights 8 to 1, modulo 10";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ACN::CheckDigit}};
};

}  // namespace numerant
