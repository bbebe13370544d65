// SPDX-License-Identifier: MIT
// pl.nip: the Polish tax identification number (NIP) as the tax authority
// issues it: ten digits, the first nine weighted 6 5 7 2 3 4 5 6 7, the check
// digit the remainder modulo 11. A remainder of 10 is never issued, so such a
// number has no check digit (the 52's NIP takes it as 0).
//   PlNip nip;
//   nip.Calculate("856734621");      // 5
//   nip.Check("PL 8567346215");      // true
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
class PlNip final : public CheckDigitNumber<std::int16_t> {
 public:
  PlNip();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<PlNip> {
  static constexpr std::string_view kName = "pl.nip";
  static constexpr std::string_view kDisplayName = "NIP (Poland)";
  static constexpr std::string_view kDescription =
      "Polish VAT number, 10 digits; weights 6 5 7 2 3 4 5 6 7, modulo 11, a remainder of 10 never "
      "issued";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::string_view kWrittenForm = "###-###-##-##";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PlNip::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("8567346215"),
      Valid("PL 8567346215"),
      Calculates("856734621", "5"),
      Calculates("100000016", "10"),
      Invalid("PL 8567346216", "check digit should be 5, not 6"),
      Invalid("1000000160", "no check digit exists for this number"),
  };
  // Examples end
};

}  // namespace numerant
