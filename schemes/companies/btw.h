// SPDX-License-Identifier: MIT
// BTW: the Belgian VAT number (BTW-nummer), seven digits and two check digits,
// 97 minus the remainder of the seven digits divided by 97 ("97" when they
// are a multiple of 97, never "00"). Blanks, hyphens and full stops are
// stripped. 1234567 = 97 x 12727 + 48, so "49".
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo97_number.h"
#include "core/scheme.h"

namespace numerant {

class BTW final : public Modulo97Number<> {
 public:
  BTW();
};

template <>
struct Descriptor<BTW> {
  static constexpr std::string_view kName = "BTW";
  static constexpr std::string_view kDescription =
      "Belgian VAT number; 97 minus the number modulo 97";
  static constexpr std::string_view kWrittenForm = "###.###.###";
  static constexpr std::string_view kCountryPrefix = "BE";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BTW::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456749"),
      Valid("123.45.67-49"),
      Calculates("1234567", "49"),
      Calculates("123.45-67", "49"),
      // never "00"
      Calculates("9700000", "97"),
      // Plus signs and slashes count towards the length but not the value.
      Calculates("12+4567", "78"),
      Calculates("123+4567", "-1"),
      Calculates("123456A", "-1"),
      Invalid("1234567-94", "check digits should be 49, not 94"),
      Invalid("123456", "9 digits expected, 6 typed"),
      Invalid("12345A7-49", "the letter A cannot stand at place 6"),
  };
  // Examples end
};

}  // namespace numerant
