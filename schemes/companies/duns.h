// SPDX-License-Identifier: MIT
// DUNS: the Dun & Bradstreet number of a business, eight digits and a Luhn
// check digit (the rule of SIREN, schemes/companies/siren.h).
//   DUNS duns;
//   duns.Calculate("15-048-378");   // 2
//   duns.Check("15-048-3782");      // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/luhn_number.h"

namespace numerant {

class DUNS final : public LuhnNumber<> {
 public:
  DUNS();
};

template <>
struct Descriptor<DUNS> {
  static constexpr std::string_view kName = "DUNS";
  static constexpr std::string_view kDescription = "D-U-N-S company number; Luhn";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DUNS::CheckDigit}};
};

}  // namespace numerant
