// SPDX-License-Identifier: MIT
// SIN: the Canadian social insurance number, eight digits and a Luhn check
// digit (the rule of SIREN, schemes/companies/siren.h). The first digit
// tells the region where the number was issued and is shown as the region
// code, even when a later character spoils the number.
//   SIN sin;
//   sin.Calculate("046 454 28");   // 6, RegionCode() 0
//   sin.Check("046-454-286");      // true
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/luhn_number.h"

namespace numerant {

struct SINFields {
  std::uint8_t region_code = 0;
};

class SIN final : public LuhnNumber<SINFields> {
 public:
  SIN();

  // The value of the first digit, 0 when the first character is no digit.
  std::uint8_t RegionCode() const { return fields().region_code; }

 private:
  void DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<SIN> {
  static constexpr std::string_view kName = "SIN";
  static constexpr std::string_view kDescription = "Canadian Social Insurance Number; Luhn";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIN::CheckDigit},
                                          Property{"RegionCode", &SIN::RegionCode}};
};

}  // namespace numerant
