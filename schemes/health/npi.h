// SPDX-License-Identifier: MIT
// NPI: the US National Provider Identifier, nine digits and a Luhn check
// digit taken over the prefix 80840 followed by the nine digits: the
// identifier is registered under the card issuer prefix 80 (health care) 840
// (United States). 123456789 gives the Luhn digit of 80840123456789, 3; the
// nine digits alone would give 7.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/scheme.h"

namespace numerant {

class NPI final : public LuhnNumber<> {
 public:
  NPI();
};

template <>
struct Descriptor<NPI> {
  static constexpr std::string_view kName = "NPI";
  static constexpr std::string_view kDescription =
      "US National Provider Identifier for health care; Luhn over the prefix 80840 and the number";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NPI::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567893"),
      Valid("123456789-3"),
      // the digit covers the prefix 80840 too
      Calculates("123456789", "3"),
      Calculates("12345678", "-1"),
      Calculates("1234.56789", "-1"),
      // the Luhn digit of the nine alone
      Invalid("1234567897", "check digit should be 3, not 7"),
      Invalid("12345678x3", "the letter x cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
