// SPDX-License-Identifier: MIT
// TFN: the Australian tax file number, seven or eight digits and a check
// digit. The digits weigh 1, 4, 3, 7, 5, 8, 6 and 9 from the left (seven
// digits take the first seven weights), and the check digit is the weighted
// sum modulo 11, 10 included, and then no final digit matches. 123 456 78:
// 1 + 8 + 9 + 28 + 25 + 48 + 42 + 72 = 233 = 21 x 11 + 2, so 2.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

namespace numerant {

class TFN final : public WeightedSumNumber<> {
 public:
  TFN();
};

template <>
struct Descriptor<TFN> {
  static constexpr std::string_view kName = "TFN";
  static constexpr std::string_view kDescription = "Australian Tax File Number; weighted modulo 11";
  static constexpr std::string_view kWrittenForm = "### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &TFN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456782"),
      Valid("12345677"),
      Valid("123 456 782"),
      Calculates("123 456 78", "2"),
      Calculates("12345678", "2"),
      // the first seven weights
      Calculates("1234567", "7"),
      Calculates("123456", "-1"),
      Calculates("00000000", "0"),
      Calculates("00000005", "1"),
      Calculates("00000012", "2"),
      Calculates("00000004", "3"),
      Calculates("00000009", "4"),
      Calculates("00000003", "5"),
      Calculates("00000008", "6"),
      Calculates("00000002", "7"),
      Calculates("00000007", "8"),
      Calculates("00000001", "9"),
      Calculates("00000006", "10"),
      Invalid("  ", "no number typed"),
      Invalid("1234567890", "8 or 9 digits expected, 10 typed"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("00000006:", "the character \":\" cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
