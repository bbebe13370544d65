// SPDX-License-Identifier: MIT
// lu.tva: the Luxembourg VAT number (numero d'identification a la taxe sur la
// valeur ajoutee), eight digits, the last two the first six modulo 89.
//   LuTva tva;
//   tva.Calculate("150274");         // "42"
//   tva.Check("LU 150 274 42");      // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check characters are "" until known.
class LuTva final : public CheckDigitNumber<std::string> {
 public:
  LuTva();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<LuTva> {
  static constexpr std::string_view kName = "lu.tva";
  static constexpr std::string_view kDisplayName = "TVA (Luxembourg)";
  static constexpr std::string_view kDescription =
      "Luxembourg VAT number, 8 digits; the first 6 modulo 89 are the last 2";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &LuTva::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("15027442"),
      Valid("LU 150 274 42"),
      Calculates("150274", "42"),
      Invalid("150 274 43", "check digits should be 42, not 43"),
  };
  // Examples end
};

}  // namespace numerant
