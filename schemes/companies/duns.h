// SPDX-License-Identifier: MIT
// DUNS: the Dun & Bradstreet number of a business, eight digits and a Luhn
// check digit (the rule of SIREN, schemes/companies/siren.h).
#pragma once

#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/scheme.h"

namespace numerant {

class DUNS final : public LuhnNumber<> {
 public:
  DUNS();
};

template <>
struct Descriptor<DUNS> {
  static constexpr std::string_view kName = "DUNS";
  static constexpr std::string_view kDescription = "D-U-N-S company number; Luhn";
  static constexpr std::string_view kWrittenForm = "##-###-####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DUNS::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("150483782"),
      Valid("15-048-3782"),
      Calculates("15-048-378", "2"),
      Invalid("15-048-3783", "check digit should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
