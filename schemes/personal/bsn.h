// SPDX-License-Identifier: MIT
// BSN: the Dutch citizen service number, eight digits and a check digit, in
// groups separated by full stops (hyphens are not stripped). The digits weigh
// 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the check digit is the
// weighted sum modulo 11, 10 included, and then no final digit matches.
// 111.222.33: 9 + 8 + 7 + 12 + 10 + 8 + 9 + 6 = 69 = 6 x 11 + 3, so 3.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

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
  static constexpr std::string_view kWrittenForm = "####.##.###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BSN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("111222333"),
      Valid("111.222.333"),
      Calculates("111.222.33", "3"),
      Calculates("12345678", "2"),
      // hyphens are not stripped here
      Calculates("111-222-33", "-1"),
      // The remainder itself, 10 included.
      Calculates("00000000", "0"),
      Calculates("00000006", "1"),
      Calculates("00000001", "2"),
      Calculates("00000007", "3"),
      Calculates("00000002", "4"),
      Calculates("00000008", "5"),
      Calculates("00000003", "6"),
      Calculates("00000009", "7"),
      Calculates("00000004", "8"),
      Calculates("00000013", "9"),
      Calculates("00000005", "10"),
      Invalid("111-222-333", "9 digits expected, 11 typed"),
      Invalid("11-222333", "the character \"-\" cannot stand at place 3"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("00000005:", "the character \":\" cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
