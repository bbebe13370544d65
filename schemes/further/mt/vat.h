// SPDX-License-Identifier: MIT
// mt.vat: the Maltese VAT number, eight digits, the first not 0. The first
// six weigh 3 4 6 7 8 9; the last two, read as a number, bring the total to a
// multiple of 37.
//   MtVat vat;
//   vat.Calculate("116791");         // "12"
//   vat.Check("MT 1167-9112");       // true
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
class MtVat final : public CheckDigitNumber<std::string> {
 public:
  MtVat();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<MtVat> {
  static constexpr std::string_view kName = "mt.vat";
  static constexpr std::string_view kDisplayName = "VAT number (Malta)";
  static constexpr std::string_view kDescription =
      "Maltese VAT number, 8 digits; weights 3 4 6 7 8 9, the last 2 complete a multiple of 37";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &MtVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("11679112"),
      Valid("MT 1167-9112"),
      Calculates("116791", "12"),
      Invalid("1167-9113", "check digits should be 12, not 13"),
  };
  // Examples end
};

}  // namespace numerant
