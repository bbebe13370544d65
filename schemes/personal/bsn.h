// SPDX-License-Identifier: MIT
// BSN: the Dutch citizen service number, eight digits and a check digit, in
// groups separated by full stops (hyphens are not stripped). The digits weigh
// 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the check digit is the
// weighted sum modulo 11, 10 included, and then no final digit matches.
// 111.222.33: 9 + 8 + 7 + 12 + 10 + 8 + 9 + 6 = 69 = 6 x 11 + 3, so 3.
//   BSN bsn;
//   bsn.Calculate("111.222.33");   // 3
//   bsn.Check("111.222.333");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class BSN final : public WeightedSumNumber<> {
 public:
  BSN();
};

template <>
struct Descriptor<BSN> {
  static constexpr std::string_view kName = "BSN";
  static constexpr std::string_view kDescription =
      "Dutch citizen service number; weights 9 to 2, modulo 11 (full stops allowed, hyphens not)";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BSN::CheckDigit}};
};

}  // namespace numerant
