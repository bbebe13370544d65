// SPDX-License-Identifier: MIT
// cy.vat: the Cypriot VAT number (FPA), eight digits and a check letter. It
// never starts with 12.
//
// The digits in odd places (1st, 3rd, ...) count 1 0 5 7 9 13 15 17 19 21 for
// 0 to 9, those in even places their own value; the remainder of the total
// modulo 26 picks the letter, A for 0.
//   CyVat vat;
//   vat.Calculate("10259033");       // "P"
//   vat.Check("CY-10259033P");       // true
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

// The check character is "" until known.
class CyVat final : public CheckDigitNumber<std::string> {
 public:
  CyVat();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<CyVat> {
  static constexpr std::string_view kName = "cy.vat";
  static constexpr std::string_view kDisplayName = "VAT number (Cyprus)";
  static constexpr std::string_view kDescription =
      "Cypriot VAT number, 8 digits and a check letter; digit values summed modulo 26";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &CyVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("10259033P"),
      Valid("CY-10259033P"),
      Calculates("10259033", "P"),
      Invalid("CY-10259033Z", "check character should be P, not Z"),
      Invalid("12000139V", "the digit 2 cannot stand at place 2"),
  };
  // Examples end
};

}  // namespace numerant
