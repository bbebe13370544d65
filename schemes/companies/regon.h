// SPDX-License-Identifier: MIT
// REGON: the Polish business register number, eight digits and a check digit
// for a company, or thirteen and a check digit for one of its local units.
// The eight digits weigh 8, 9, 2, 3, 4, 5, 6 and 7 from the left, the
// thirteen 2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4 and 8 (the fifth digit does not
// count); the check digit is the weighted sum modulo 11, 10 included, and then
// no final digit matches. 12345678: 8 + 18 + 6 + 12 + 20 + 30 + 42 + 56 =
// 192 = 17 x 11 + 5, so 5.
//   REGON regon;
//   regon.Calculate("12345678");        // 5
//   regon.Check("12345678512347");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class REGON final : public WeightedSumNumber<> {
 public:
  REGON();
};

template <>
struct Descriptor<REGON> {
  static constexpr std::string_view kName = "REGON";
  static constexpr std::string_view kDescription =
      "Polish business register number, short and long form; weighted modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &REGON::CheckDigit}};
};

}  // namespace numerant
