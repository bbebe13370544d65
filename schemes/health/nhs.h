// SPDX-License-Identifier: MIT
// NHS: the British National Health Service number, nine digits and a check
// digit. The digits weigh 10, 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the
// check digit is 11 minus the weighted sum modulo 11: a remainder of 0 gives
// 0, and a remainder of 1 gives -1, a number that no final digit completes.
// 943 476 591: 90 + 36 + 24 + 28 + 42 + 30 + 20 + 27 + 2 = 299 = 27 x 11 + 2,
// so 9.
//   NHS nhs;
//   nhs.Calculate("943 476 591");   // 9
//   nhs.Check("943-476-5919");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class NHS final : public WeightedSumNumber<> {
 public:
  NHS();
};

template <>
struct Descriptor<NHS> {
  static constexpr std::string_view kName = "NHS";
  static constexpr std::string_view kDescription =
      "UK National Health Service number; weights 10 to 2, modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NHS::CheckDigit}};
};

}  // namespace numerant
