// SPDX-License-Identifier: MIT
// NIH: nine digits and a check digit from the ISO 7064 MOD 11,10 recurrence.
// Starting from the product 10, each digit gives s = (digit + product mod 11)
// mod 10, taken as 10 when it is 0, and the next product 2s. The check digit
// is the digit c that ends the recurrence on 1, ((2s) mod 11 + c) mod 10 = 1
// for the last s, looked up by s in a table, so always 0 to 9. 123456789 runs
// s through 1, 4, 1, 6, 6, 7, 10, 7 and 2, and (4 + 7) mod 10 = 1 gives 7.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"

namespace numerant {

class NIH final : public Iso7064Number<NIH, std::int16_t> {
 public:
  NIH();
};

template <>
struct Descriptor<NIH> {
  static constexpr std::string_view kName = "NIH";
  static constexpr std::string_view kDescription =
      "NIH identifier; ISO 7064 MOD 11,10 through a table";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NIH::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567897"),
      Valid("123456789-7"),
      Calculates("123456789", "7"),
      Calculates("12345678A", "-1"),
      // The last digit moves the last intermediate value through every entry of
      // the table: 8, 9, 10, 1, 2, ..., 7.
      Calculates("000000000", "6"),
      Calculates("000000001", "4"),
      Calculates("000000002", "2"),
      Calculates("000000003", "9"),
      Calculates("000000004", "7"),
      Calculates("000000005", "5"),
      Calculates("000000006", "3"),
      Calculates("000000007", "1"),
      Calculates("000000008", "0"),
      Calculates("000000009", "8"),
      Invalid("123456789-8", "check digit should be 7, not 8"),
  };
  // Examples end
};

}  // namespace numerant
