// SPDX-License-Identifier: MIT
// ee.kmkr: the Estonian VAT number (KMKR), nine digits. Weighted 3 7 1 3 7 1 3
// 7 1 they total a multiple of 10.
//   EeKmkr kmkr;
//   kmkr.Calculate("10059410");      // 2
//   kmkr.Check("EE 100 594 102");    // true
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
class EeKmkr final : public CheckDigitNumber<std::int16_t> {
 public:
  EeKmkr();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<EeKmkr> {
  static constexpr std::string_view kName = "ee.kmkr";
  static constexpr std::string_view kDisplayName = "KMKR (Estonia)";
  static constexpr std::string_view kDescription =
      "Estonian VAT number, 9 digits; weights 3 7 1, modulo 10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &EeKmkr::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("100594102"),
      Valid("EE 100 931 558"),
      Calculates("10059410", "2"),
      Invalid("100594103", "check digit should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
