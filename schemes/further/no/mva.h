// SPDX-License-Identifier: MIT
// no.mva: the Norwegian VAT number, the nine-digit organisation number
// followed by MVA. Its first eight digits weigh 3 2 7 6 5 4 3 2; the check
// digit is 11 minus the remainder modulo 11, 0 for a remainder of 0, and 10
// is never issued.
//   NoMva mva;
//   mva.Calculate("99552582MVA");       // 8
//   mva.Check("NO 995 525 828 MVA");    // true
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
class NoMva final : public CheckDigitNumber<std::int16_t> {
 public:
  NoMva();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<NoMva> {
  static constexpr std::string_view kName = "no.mva";
  static constexpr std::string_view kDisplayName = "MVA number (Norway)";
  static constexpr std::string_view kDescription =
      "Norwegian VAT number, the 9-digit organisation number followed by MVA; weights 3 2 7 6 5 4 "
      "3 2, modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::string_view kWrittenForm = "NO ### ### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &NoMva::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("995525828MVA"),
      Valid("NO 995 525 828 MVA"),
      Calculates("99552582MVA", "8"),
      Invalid("NO 995 525 829 MVA", "check digit should be 8, not 9"),
      Invalid("995525828", "12 characters expected, 9 typed"),
  };
  // Examples end
};

}  // namespace numerant
