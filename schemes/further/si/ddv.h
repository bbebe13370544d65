// SPDX-License-Identifier: MIT
// si.ddv: the Slovenian VAT number (ID za DDV), eight digits, the first not 0.
// The first seven weigh 8 to 2; the check digit is 11 minus the remainder
// modulo 11, 10 giving 0; a remainder of 0 (which would ask for 11) is never
// issued.
//   SiDdv ddv;
//   ddv.Calculate("5022305");        // 4
//   ddv.Check("SI 5022 3054");       // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class SiDdv final : public CheckDigitNumber<std::int16_t> {
 public:
  SiDdv();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<SiDdv> {
  static constexpr std::string_view kName = "si.ddv";
  static constexpr std::string_view kDisplayName = "ID za DDV (Slovenia)";
  static constexpr std::string_view kDescription =
      "Slovenian VAT number, 8 digits; weights 8 to 2, 11 minus the remainder modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SiDdv::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("50223054"),
      Valid("SI 5022 3054"),
      Calculates("5022305", "4"),
      Invalid("SI 50223055", "check digit should be 4, not 5"),
  };
  // Examples end
};

}  // namespace numerant
