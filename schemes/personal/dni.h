// SPDX-License-Identifier: MIT
// DNI: the Spanish national identity number, eight digits and a check letter
// picked by the number modulo 23 from TRWAGMYFPDXBNJZSQVHLCKE. The letter is
// compared as typed: a small letter never matches.
//   12345678 = 536768 x 23 + 14, and place 14 holds "Z".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is one capital letter, or "" when none is known.
class DNI final : public CheckLetterNumber<DNI> {
 public:
  DNI();
};

template <>
struct Descriptor<DNI> {
  static constexpr std::string_view kName = "DNI";
  static constexpr std::string_view kDescription =
      "Spanish national identity number; check letter by the number modulo 23";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DNI::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12345678Z"),
      Valid("12345678-Z"),
      Calculates("12345678", "Z"),
      Calculates("1234-5678", "Z"),
      Calculates("99999999", "R"),
      // a full stop is not removed
      Calculates("1234.567", ""),
      // nor read as a sign
      Calculates("+1234567", ""),
      // no upper-casing
      Invalid("12345678z", "the letter z cannot stand at place 9", R"(CheckDigit="Z")"),
      Invalid("", "no number typed"),
      Invalid("12345678", "9 digits expected, 8 typed"),
      Invalid("1234567AZ", "the letter A cannot stand at place 8"),
      Invalid("123456780", "the digit 0 cannot stand at place 9"),
      Invalid("12345678A", "check character should be Z, not A"),
  };
  // Examples end
};

}  // namespace numerant
