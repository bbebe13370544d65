// SPDX-License-Identifier: MIT
// cusip: the CUSIP number of North-American securities: six characters for
// the issuer, two for the issue and a check digit. Digits count themselves,
// "A" to "Z" 10 to 35, "*" 36, "@" 37 and "#" 38; every second value from the
// left is doubled, the decimal digits of all values are added, and the check
// digit brings the total to a multiple of 10.
//   Cusip cusip;
//   cusip.Calculate("03783310");   // 0, Issuer "037833", Issue "10"
//   cusip.Check("DUS0421C5");      // true
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

struct CusipFields {
  FieldValue issuer;
  FieldValue issue;
};

// The check digit is 0 to 9, or -1 when none is known.
class Cusip final : public CheckDigitNumber<std::int16_t, CusipFields> {
 public:
  Cusip();

  // The two characters of the issue.
  const FieldValue& Issue() const { return fields().issue; }
  // The six characters of the issuer.
  const FieldValue& Issuer() const { return fields().issuer; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Cusip> {
  static constexpr std::string_view kName = "cusip";
  static constexpr std::string_view kDisplayName = "CUSIP";
  static constexpr std::string_view kDescription =
      "North-American securities number; every second value doubled, digits added, modulo 10";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Cusip::CheckDigit},
      Property{"Issue", &Cusip::Issue},
      Property{"Issuer", &Cusip::Issuer},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("DUS0421C5", R"(Issuer="DUS042" Issue="1C")"),
      Valid("00141V267"),
      Valid("17275R102"),
      Invalid("DUS0421CN", "the letter N cannot stand at place 9"),
      Invalid("DUS0421C*", "the character \"*\" cannot stand at place 9"),
      Calculates("03783310", "0"),
  };
  // Examples end
};

}  // namespace numerant
