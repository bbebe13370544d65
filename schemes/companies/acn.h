// SPDX-License-Identifier: MIT
// ACN: the Australian company number, eight digits and a check digit. The
// digits weigh 8, 7, 6, 5, 4, 3, 2 and 1 from the left, and the check digit
// brings the weighted sum up to a multiple of 10. 004 085 61: 24 + 32 + 15 +
// 12 + 1 = 84, so 6.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

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
  static constexpr std::string_view kWrittenForm = "### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ACN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("004085616"),
      Valid("004-085-616"),
      Calculates("004 085 61", "6"),
      Calculates("12345678", "0"),
      // a full stop is not stripped
      Calculates("004.085.61", "-1"),
      Calculates("00000000", "0"),
      Calculates("00000001", "9"),
      Calculates("00000002", "8"),
      Calculates("00000003", "7"),
      Calculates("00000004", "6"),
      Calculates("00000005", "5"),
      Calculates("00000006", "4"),
      Calculates("00000007", "3"),
      Calculates("00000008", "2"),
      Calculates("00000009", "1"),
      Invalid("", "no number typed"),
      Invalid("0040.8561", "the character \".\" cannot stand at place 5"),
      Invalid("004 085 617", "check digit should be 6, not 7"),
  };
  // Examples end
};

}  // namespace numerant
