// SPDX-License-Identifier: MIT
// SIS: the number of the Belgian social-insurance card, eight digits and two
// check digits, the remainder of the eight digits divided by 97 ("00" when
// they are a multiple of 97). Blanks, hyphens and full stops are stripped.
// 12345678 = 97 x 127275 + 3, so "03".
//   SIS sis;
//   sis.Calculate("12345678");     // "03"
//   sis.Check("1234.5678-03");     // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/modulo97_number.h"

namespace numerant {

class SIS final : public Modulo97Number {
 public:
  SIS();
};

template <>
struct Descriptor<SIS> {
  static constexpr std::string_view kName = "SIS";
  static constexpr std::string_view kDescription =
      "Belgian SIS social-insurance card number; the number modulo 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIS::CheckDigit}};
};

}  // namespace numerant
