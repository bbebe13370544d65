// SPDX-License-Identifier: MIT
// BI: the Portuguese identity card number, eight digits and a check digit.
// The digits weigh 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the check
// digit is 11 minus the weighted sum modulo 11, so 10 or 11 where the sum
// leaves 1 or 0, and then no final digit matches. 12345678: 9 + 16 + 21 + 24
// + 25 + 24 + 21 + 16 = 156 = 14 x 11 + 2, so 9.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456789"),
      Valid("12345678-9"),
      Calculates("12345678", "9"),
      // 11 minus the remainder, 11 and 10 included.
      Calculates("00000000", "11"),
      Calculates("1234 5678", "9"),
      Calculates("00000006", "10"),
      Calculates("00000001", "9"),
      Calculates("00000007", "8"),
      Calculates("00000002", "7"),
      Calculates("00000008", "6"),
      Calculates("00000003", "5"),
      Calculates("00000009", "4"),
      Calculates("00000004", "3"),
      Calculates("00000013", "2"),
      Calculates("00000005", "1"),
      Invalid("000000000", "no check digit exists for this number"),
      // A value of 11 is matched by no character, not even ";", which stands at 11
      // from "0".
      Invalid("00000000;", "the character \";\" cannot stand at place 9"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("00000006:", "the character \":\" cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
