// SPDX-License-Identifier: MIT
// SIN: the Canadian social insurance number, eight digits and a Luhn check
// digit (the rule of SIREN, schemes/companies/siren.h). The first digit
// tells the region where the number was issued and is shown as the region
// code, even when a later character spoils the number.
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/scheme.h"

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
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<SIN> {
  static constexpr std::string_view kName = "SIN";
  static constexpr std::string_view kDescription = "Canadian Social Insurance Number; Luhn";
  static constexpr std::string_view kWrittenForm = "### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SIN::CheckDigit},
                                          Property{"RegionCode", &SIN::RegionCode}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("046454286"),
      Valid("046-454-286", "RegionCode=0"),
      Calculates("046 454 28", "6", "RegionCode=0"),
      Calculates("94645428", "7", "RegionCode=9"),
      // The region is read before the digits are tested.
      Calculates("1464542A", "-1", "RegionCode=1"),
      Calculates("A4645428", "-1", "RegionCode=0"),
      Calculates("046454286", "-1", "RegionCode=0"),
      Invalid("946454286", "check digit should be 7, not 6", "CheckDigit=7 RegionCode=9"),
      Invalid("A46 454 286", "the letter A cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
