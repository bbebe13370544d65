// SPDX-License-Identifier: MIT
// lt.pvm: the Lithuanian VAT number (PVM moketojo kodas), nine digits for a
// legal entity (the 8th is 1) or twelve for a temporary registration (the 11th
// is 1). The digits before the check digit weigh 1 2 ... 9 1 2; a remainder of
// 10 modulo 11 is weighed again with 3 4 ... 9 1 2 3 4, and a second 10 counts
// as 0.
//   LtPvm pvm;
//   pvm.Calculate("11951151");       // 5
//   pvm.Check("LT 100001919017");    // true
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
class LtPvm final : public CheckDigitNumber<std::int16_t> {
 public:
  LtPvm();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<LtPvm> {
  static constexpr std::string_view kName = "lt.pvm";
  static constexpr std::string_view kDisplayName = "PVM (Lithuania)";
  static constexpr std::string_view kDescription =
      "Lithuanian VAT number, 9 or 12 digits; weights 1 to 9, then 3 to 9 and 1 2, modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &LtPvm::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("119511515"),
      Valid("LT 100001919017"),
      Valid("100004801610"),
      Calculates("11951151", "5"),
      Invalid("100001919018", "check digit should be 7, not 8"),
      Invalid("119511525", "the digit 2 cannot stand at place 8"),
  };
  // Examples end
};

}  // namespace numerant
