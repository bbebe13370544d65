// SPDX-License-Identifier: MIT
// BZU: twelve digits and a check digit from the ISO 7064 MOD 11,10
// recurrence. Starting from the product 10, each digit gives s = (digit +
// product mod 11) mod 10, taken as 10 when it is 0, and the next product 2s;
// the check digit is 11 minus the last product reduced modulo 11. It is 10
// when that remainder is 1, and then no final digit matches. 100000000000:
// the 1 gives s 1, the eleven zeros run s through 2, 4, 8, 5, 10, 9, 7, 3, 6,
// 1 and 2, and 11 - (2 x 2) mod 11 = 7.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is 1 to 10, or -1 when none is known.
class BZU final : public Iso7064Number<BZU, std::int16_t> {
 public:
  BZU();

 private:
  friend Iso7064Number;
  std::int16_t CheckDigitOf(int value) const override;
};

template <>
struct Descriptor<BZU> {
  static constexpr std::string_view kName = "BZU";
  static constexpr std::string_view kDescription =
      "BZÜ structured payment reference; ISO 7064 MOD 11,10 (check value 1 to 10)";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BZU::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567890124"),
      Valid("0000000000004"),
      Valid("1234-5678-9012-4"),
      Calculates("1234 5678 9012", "4"),
      Calculates("100000000000", "7"),
      Calculates("000000000007", "10"),
      // The rule is 11 minus the doubled last value modulo 11, not ISO 7064
      // MOD 11,10, which would give 0 here: 10 is no digit, so no valid number
      // starts 100000000004.
      Calculates("100000000004", "10"),
      Invalid("1000000000040", "no check digit exists for this number"),
      Calculates("1234.5678.9012", "-1"),
      Invalid("0000000000070", "no check digit exists for this number"),
      Invalid("1234 5678 9012", "13 digits expected, 12 typed"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("000000000007:", "the character \":\" cannot stand at place 13"),
  };
  // Examples end
};

}  // namespace numerant
