// SPDX-License-Identifier: MIT
// NIP: the Polish tax identification number, nine digits and a check digit.
// The digits weigh 6, 5, 7, 2, 3, 4, 5, 6 and 7 from the left, and the check
// digit is the weighted sum modulo 11, a remainder of 10 taken as 0.
// 123-456-32-1: 6 + 10 + 21 + 8 + 15 + 24 + 15 + 12 + 7 = 118 = 10 x 11 + 8,
// so 8.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

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
  static constexpr std::string_view kWrittenForm = "###-###-##-##";
  static constexpr std::string_view kCountryPrefix = "PL";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NIP::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234563218"),
      Valid("123-456-32-18"),
      Calculates("123-456-32-1", "8"),
      Calculates("123456789", "0"),
      // A remainder of 10 counts as 0.
      Calculates("000000000", "0"),
      Calculates("000000008", "1"),
      Calculates("000000005", "2"),
      Calculates("000000002", "3"),
      Calculates("000000016", "4"),
      Calculates("000000007", "5"),
      Calculates("000000004", "6"),
      Calculates("000000001", "7"),
      Calculates("000000009", "8"),
      Calculates("000000006", "9"),
      Calculates("000000003", "0"),
      Invalid("1234563219", "check digit should be 8, not 9"),
  };
  // Examples end
};

}  // namespace numerant
