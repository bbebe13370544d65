// SPDX-License-Identifier: MIT
// eu.banknote: the serial number of a euro banknote of either series: one
// letter and eleven digits (the 2002 series, the letter naming the issuing
// country), or two letters and ten digits (the Europa series, the first
// naming the printing works, the second only a serial letter).
//
// The digits and the ASCII codes of the letters add up to 0 modulo 9. The
// check digit is the last; it is 1 to 9, and where 9 completes the sum a 0
// does too, so a number ending in 0 in that place is valid as well.
//   EA410018159: 69 + 65 + 29 = 163, 1 modulo 9, so 8 brings it to 171.
//   EuBanknote note;
//   note.Calculate("EA410018159");    // 8, PrinterCode "E", SerialLetter "A"
//   note.Check("P36007033744");       // true, CountryCode "P"
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct EuBanknoteFields {
  FieldValue country_code;
  FieldValue printer_code;
  FieldValue serial_letter;
};

// The check digit is 1 to 9, or -1 when none is known.
class EuBanknote final : public CheckDigitNumber<std::int16_t, EuBanknoteFields> {
 public:
  EuBanknote();

  // The letter of a 2002-series note; nothing on a Europa-series note.
  const FieldValue& CountryCode() const { return fields().country_code; }
  // The first letter of a Europa-series note; nothing on a 2002-series one.
  const FieldValue& PrinterCode() const { return fields().printer_code; }
  // The second letter of a Europa-series note.
  const FieldValue& SerialLetter() const { return fields().serial_letter; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
  std::optional<std::int16_t> ComputeCheckDigitAgainst(std::string_view payload,
                                                       std::string_view found) override;
};

template <>
struct Descriptor<EuBanknote> {
  static constexpr std::string_view kName = "eu.banknote";
  static constexpr std::string_view kDisplayName = "Euro banknote";
  static constexpr std::string_view kDescription =
      "Euro banknote serial number, 2002 and Europa series; digits and letter codes sum to 0 "
      "modulo 9";
  static constexpr std::string_view kArea = area::kPayments;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &EuBanknote::CheckDigit},
      Property{"CountryCode", &EuBanknote::CountryCode},
      Property{"PrinterCode", &EuBanknote::PrinterCode},
      Property{"SerialLetter", &EuBanknote::SerialLetter},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("EA4100181598", R"(PrinterCode="E" SerialLetter="A")"),
      Valid("P36007033744", R"(CountryCode="P")"),
      Valid("X00025041800"),
      Calculates("X0002504180", "9"),
      Invalid("P36007033743", "check digit should be 4, not 3"),
  };
  // Examples end
};

}  // namespace numerant
