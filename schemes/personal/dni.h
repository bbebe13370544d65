// SPDX-License-Identifier: MIT
// DNI: the Spanish national identity number, eight digits and a check letter
// picked by the number modulo 23 from TRWAGMYFPDXBNJZSQVHLCKE. The letter is
// compared as typed: a small letter never matches.
//   12345678 = 536768 x 23 + 14, and place 14 holds "Z".
//   DNI dni;
//   dni.Calculate("12345678");   // "Z"
//   dni.Check("12345678-Z");     // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is one capital letter, or "" when none is known.
class DNI final : public CheckDigitNumber<std::string> {
 public:
  DNI();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<DNI> {
  static constexpr std::string_view kName = "DNI";
  static constexpr std::string_view kDescription =
      "Spanish national identity number; check letter by the number modulo 23";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DNI::CheckDigit}};
};

}  // namespace numerant
