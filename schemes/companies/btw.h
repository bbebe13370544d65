// SPDX-License-Identifier: MIT
// BTW: the Belgian VAT number (BTW-nummer), seven digits and two check digits,
// 97 minus the remainder of the seven digits divided by 97 ("97" when they
// are a multiple of 97, never "00"). Blanks, hyphens and full stops are
// stripped. 1234567 = 97 x 12727 + 48, so "49".
//   BTW btw;
//   btw.Calculate("1234567");      // "49"
//   btw.Check("123.45.67-49");     // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/modulo97_number.h"

namespace numerant {

class BTW final : public Modulo97Number {
 public:
  BTW();
};

template <>
struct Descriptor<BTW> {
  static constexpr std::string_view kName = "BTW";
  static constexpr std::string_view kDescription =
      "Belgian VAT number; 97 minus the number modulo 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BTW::CheckDigit}};
};

}  // namespace numerant
