// SPDX-License-Identifier: MIT
// NHS: the British National Health Service number, nine digits and a check
// digit. The digits weigh 10, 9, 8, 7, 6, 5, 4, 3 and 2 from the left, and the
// check digit is 11 minus the weighted sum modulo 11: a remainder of 0 gives
// 0, and a remainder of 1 gives -1, a number that no final digit completes.
// 943 476 591: 90 + 36 + 24 + 28 + 42 + 30 + 20 + 27 + 2 = 299 = 27 x 11 + 2,
// so 9.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

namespace numerant {

class NHS final : public WeightedSumNumber<> {
 public:
  NHS();
};

template <>
struct Descriptor<NHS> {
  static constexpr std::string_view kName = "NHS";
  static constexpr std::string_view kDescription =
      "UK National Health Service number; weights 10 to 2, modulo 11";
  static constexpr std::string_view kWrittenForm = "### ### ####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NHS::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("9434765919"),
      Valid("943-476-5919"),
      Calculates("943 476 591", "9"),
      // remainder 1: no final digit completes it
      Calculates("123456789", "-1"),
      Calculates("943.476.591", "-1"),
      // Remainders 0 to 10 of the weighted sum in turn.
      Calculates("000000000", "0"),
      Calculates("000000006", "-1"),
      Calculates("000000001", "9"),
      Calculates("000000007", "8"),
      Calculates("000000002", "7"),
      Calculates("000000008", "6"),
      Calculates("000000003", "5"),
      Calculates("000000009", "4"),
      Calculates("000000004", "3"),
      Calculates("000000013", "2"),
      Calculates("000000005", "1"),
      Invalid("9434765918", "check digit should be 9, not 8"),
      Invalid("943 476 591", "10 digits expected, 9 typed"),
      Invalid("1234567890", "no check digit exists for this number"),
      // A value of -1 is matched by no character, not even "/", which stands at -1
      // from "0".
      Invalid("123456789/", "the character \"/\" cannot stand at place 10"),
  };
  // Examples end
};

}  // namespace numerant
