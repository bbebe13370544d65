// SPDX-License-Identifier: MIT
// SIS: the number of the Belgian social-insurance card, eight digits and two
// check digits, the remainder of the eight digits divided by 97 ("00" when
// they are a multiple of 97). Blanks, hyphens and full stops are stripped.
// 12345678 = 97 x 127275 + 3, so "03".
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo97_number.h"
#include "core/scheme.h"

namespace numerant {

class SIS final : public Modulo97Number<> {
 public:
  SIS();
};

template <>
struct Descriptor<SIS> {
  static constexpr std::string_view kName = "SIS";
  static constexpr std::string_view kDescription =
      "Belgian SIS social-insurance card number; the number modulo 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIS::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567803"),
      Valid("1234.5678-03"),
      Calculates("12345678", "03"),
      Calculates("1234.56-78", "03"),
      Calculates("00000097", "00"),
      // Plus signs and slashes count towards the length but not the value.
      Calculates("123/5678", "92"),
      Calculates("1234/5678", "-1"),
      Invalid("1234567830", "check digits should be 03, not 30"),
      // "3" is not "03"
      Invalid("123456783", "10 digits expected, 9 typed"),
      Invalid("1234567", "10 digits expected, 7 typed"),
      Invalid("1234 567A 03", "the letter A cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
