// SPDX-License-Identifier: MIT
// NPI: the US National Provider Identifier, nine digits and a Luhn check
// digit taken over the prefix 80840 followed by the nine digits: the
// identifier is registered under the card issuer prefix 80 (health care) 840
// (United States). 123456789 gives the Luhn digit of 80840123456789, 3; the
// nine digits alone would give 7.
//   NPI npi;
//   npi.Calculate("123456789");   // 3
//   npi.Check("123456789-3");     // true
#pragma once

#include <string_view>
#include <tuple>

#include "core/scheme.h"
#include "schemes/luhn_number.h"

namespace numerant {

class NPI final : public LuhnNumber<> {
 public:
  NPI();
};

template <>
struct Descriptor<NPI> {
  static constexpr std::string_view kName = "NPI";
  static constexpr std::string_view kDescription =
      "US National Provider Identifier for health care; Luhn over the prefix 80840 and the number";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NPI::CheckDigit}};
};

}  // namespace numerant
