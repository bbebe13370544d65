// SPDX-License-Identifier: MIT
// REGON: the Polish business register number, eight digits and a check digit
// for a company, or thirteen and a check digit for one of its local units.
// The eight digits weigh 8, 9, 2, 3, 4, 5, 6 and 7 from the left, the
// thirteen 2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4 and 8 (the fifth digit does not
// count); the check digit is the weighted sum modulo 11, 10 included, and then
// no final digit matches. 12345678: 8 + 18 + 6 + 12 + 20 + 30 + 42 + 56 =
// 192 = 17 x 11 + 5, so 5.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456785"),
      Valid("12345678512347"),
      Calculates("12345678", "5"),
      Calculates("1234567851234", "7"),
      Calculates("9876543210987", "3"),
      // the fifth digit of the long form weighs 0
      Calculates("0000900000000", "0"),
      Calculates("1234567890", "-1"),
      Calculates("123456789012", "-1"),
      Calculates("00000000", "0"),
      Calculates("00000008", "1"),
      Calculates("00000005", "2"),
      Calculates("00000002", "3"),
      Calculates("00000016", "4"),
      Calculates("00000007", "5"),
      Calculates("00000004", "6"),
      Calculates("00000001", "7"),
      Calculates("00000009", "8"),
      Calculates("00000006", "9"),
      Calculates("00000003", "10"),
      Calculates("0000000000004", "10"),
      Invalid("123456786", "check digit should be 5, not 6"),
      Invalid("1234567890", "9 or 14 digits expected, 10 typed"),
      Invalid("000000030", "no check digit exists for this number"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("00000003:", "the character \":\" cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
