// SPDX-License-Identifier: MIT
// OGM: the Belgian structured payment reference ("gestructureerde
// mededeling"), ten digits and two check digits, the remainder of the ten
// digits divided by 97 ("00" when they are a multiple of 97). Blanks, plus
// signs and slashes are stripped, as in +++012/3456/78939+++.
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo97_number.h"
#include "core/scheme.h"

namespace numerant {

class OGM final : public Modulo97Number<> {
 public:
  OGM();
};

template <>
struct Descriptor<OGM> {
  static constexpr std::string_view kName = "OGM";
  static constexpr std::string_view kDescription =
      "Belgian structured payment reference (+++123/4567/89012+++); the number modulo 97";
  static constexpr std::string_view kWrittenForm = "+++###/####/#####+++";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &OGM::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("012345678939"),
      Valid("012/3456/78939"),
      Valid("+++012/3456/78939+++"),
      // 123456789 = 97 x 1272750 + 39
      Calculates("012/3456/789", "39"),
      Calculates("012/345 6+789", "39"),
      Calculates("0000000097", "00"),
      // read exactly beyond 32 bits
      Calculates("9999999999", "48"),
      // Hyphens and full stops count towards the length but not the value.
      Calculates("123-456-78", "03"),
      Calculates("1.3456789-", "76"),
      Calculates("012345678A", "-1"),
      Invalid("0123456789-39", "12 digits expected, 13 typed"),
      Invalid("01234567A939", "the letter A cannot stand at place 9"),
      // nothing but marks
      Invalid("----------00", "no check digits exist for this number"),
  };
  // Examples end
};

}  // namespace numerant
