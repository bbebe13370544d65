// SPDX-License-Identifier: MIT
// TFN: the Australian tax file number, seven or eight digits and a check
// digit. The digits weigh 1, 4, 3, 7, 5, 8, 6 and 9 from the left (seven
// digits take the first seven weights), and the check digit is the weighted
// sum modulo 11, 10 included, and then no final digit matches. 123 456 78:
// 1 + 8 + 9 + 28 + 25 + 48 + 42 + 72 = 233 = 21 x 11 + 2, so 2.
//   TFN tfn;
//   tfn.Calculate("123 456 78");   // 2
//   tfn.Check("123 456 782");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class TFN final : public WeightedSumNumber<> {
 public:
  TFN();
};

template <>
struct Descriptor<TFN> {
  static constexpr std::string_view kName = "TFN";
  static constexpr std::string_view kDescription = "Australian Tax File Number; weighted modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &TFN::CheckDigit}};
};

}  // namespace numerant
