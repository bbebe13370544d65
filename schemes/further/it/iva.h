// SPDX-License-Identifier: MIT
// it.iva: the Italian VAT number (partita IVA), eleven digits: seven for the
// taxpayer (not all 0), three for the tax office (001 to 100, 120, 121, 888
// or 999) and the Luhn check digit.
//   ItIva iva;
//   iva.Calculate("0074311015");     // 7
//   iva.Check("IT 00743110157");     // true
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
class ItIva final : public CheckDigitNumber<std::int16_t> {
 public:
  ItIva();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ItIva> {
  static constexpr std::string_view kName = "it.iva";
  static constexpr std::string_view kDisplayName = "Partita IVA (Italy)";
  static constexpr std::string_view kDescription =
      "Italian VAT number, 11 digits with the office code in 8 to 10; Luhn";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ItIva::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("00743110157"),
      Valid("IT 00743110157"),
      Valid("IT01404480202"),
      Calculates("0074311015", "7"),
      Invalid("00743110158", "check digit should be 7, not 8"),
      Invalid("00743115001", "the digit 5 cannot stand at place 8"),
  };
  // Examples end
};

}  // namespace numerant
