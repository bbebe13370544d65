// SPDX-License-Identifier: MIT
// hr.oib: the Croatian personal identification number (OIB), which is also the
// VAT number: eleven digits, the last the ISO 7064 MOD 11,10 check digit.
//   HrOib oib;
//   oib.Calculate("3339200596");     // 1
//   oib.Check("HR 33392005961");     // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class HrOib final : public Iso7064Number<HrOib, std::int16_t> {
 public:
  HrOib();
};

template <>
struct Descriptor<HrOib> {
  static constexpr std::string_view kName = "hr.oib";
  static constexpr std::string_view kDisplayName = "OIB (Croatia)";
  static constexpr std::string_view kDescription =
      "Croatian personal identification number, also the VAT number; 11 digits, ISO 7064 MOD 11,10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &HrOib::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("33392005961"),
      Valid("HR 33392005961"),
      Calculates("3339200596", "1"),
      Invalid("33392005962", "check digit should be 1, not 2"),
  };
  // Examples end
};

}  // namespace numerant
