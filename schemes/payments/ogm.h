// SPDX-License-Identifier: MIT
// OGM: the Belgian structured payment reference ("gestructureerde
// mededeling"), ten digits and two check digits, the remainder of the ten
// digits divided by 97 ("00" when they are a multiple of 97). Blanks, plus
// signs and slashes are stripped, as in +++012/3456/78939+++.
//   OGM ogm;
//   ogm.Calculate("012/3456/789");   // "39": 123456789 = 97 x 1272750 + 39
//   ogm.Check("012/3456/78939");     // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/modulo97_number.h"

namespace numerant {

class OGM final : public Modulo97Number {
 public:
  OGM();
};

template <>
struct Descriptor<OGM> {
  static constexpr std::string_view kName = "OGM";
  static constexpr std::string_view kDescription =
      "Belgian structured payment reference (+++123/4567/89012+++); the number modulo 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &OGM::CheckDigit}};
};

}  // namespace numerant
