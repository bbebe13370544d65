// SPDX-License-Identifier: MIT
// NIP: the Polish tax identification number, nine digits and a check digit.
// The digits weigh 6, 5, 7, 2, 3, 4, 5, 6 and 7 from the left, and the check
// digit is the weighted sum modulo 11, a remainder of 10 taken as 0.
// 123-456-32-1: 6 + 10 + 21 + 8 + 15 + 24 + 15 + 12 + 7 = 118 = 10 x 11 + 8,
// so 8.
//   NIP nip;
//   nip.Calculate("123-456-32-1");   // 8
//   nip.Check("123-456-32-18");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "core/weighted_sum_number.h"

namespace numerant {

class NIP final : public WeightedSumNumber<> {
 public:
  NIP();
};

template <>
struct Descriptor<NIP> {
  static constexpr std::string_view kName = "NIP";
  static constexpr std::string_view kDescription =
      "Polish tax identification number; weighted modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NIP::CheckDigit}};
};

}  // namespace numerant
