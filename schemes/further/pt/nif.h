// SPDX-License-Identifier: MIT
// pt.nif: the Portuguese VAT number (NIF, NIPC), nine digits, the first not
// 0. The first eight weigh 9 to 2; the check digit is 11 minus the remainder
// modulo 11, and 10 and 11 give 0.
//   PtNif nif;
//   nif.Calculate("50196484");       // 3
//   nif.Check("PT 501 964 843");     // true
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
class PtNif final : public CheckDigitNumber<std::int16_t> {
 public:
  PtNif();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<PtNif> {
  static constexpr std::string_view kName = "pt.nif";
  static constexpr std::string_view kDisplayName = "NIF (Portugal)";
  static constexpr std::string_view kDescription =
      "Portuguese VAT number, 9 digits; weights 9 to 2, 11 minus the remainder modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PtNif::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("501964843"),
      Valid("PT 501 964 843"),
      Calculates("50196484", "3"),
      Invalid("PT 501 964 842", "check digit should be 3, not 2"),
  };
  // Examples end
};

}  // namespace numerant
