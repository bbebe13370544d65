// SPDX-License-Identifier: MIT
// isin: the International Securities Identification Number (ISO 6166):
// a country code of two letters, the nine characters of the national number
// (NSIN) and a check digit. Each letter becomes its two digits 10 to 35 and
// the Luhn digit of the whole digit string is the check digit. A US or
// Canadian ISIN carries a CUSIP as its NSIN, a British or Irish one "00" and
// a SEDOL; whether that embedded number passes its own check is a field.
//   US037833100: U, S read 30 28, so the Luhn digit of 3028037833100 is 5.
//   Isin isin;
//   isin.Calculate("US037833100");   // 5
//   isin.Check("US0378331005");      // true, EmbeddedCode "CUSIP", EmbeddedValid true
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

struct IsinFields {
  FieldValue country_code;
  FieldValue nsin;
  FieldValue embedded_code;
  bool embedded_valid = false;
};

// The check digit is 0 to 9, or -1 when none is known.
class Isin final : public CheckDigitNumber<std::int16_t, IsinFields> {
 public:
  Isin();

  // The two letters of the country (or XS, EU and the other codes the
  // numbering agencies use).
  const FieldValue& CountryCode() const { return fields().country_code; }
  // "CUSIP" for US and CA, "SEDOL" for GB and IE; nothing for the rest.
  const FieldValue& EmbeddedCode() const { return fields().embedded_code; }
  // Whether the embedded CUSIP or SEDOL passes its own check.
  bool EmbeddedValid() const { return fields().embedded_valid; }
  // The nine characters of the national number.
  const FieldValue& NSIN() const { return fields().nsin; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Isin> {
  static constexpr std::string_view kName = "isin";
  static constexpr std::string_view kDisplayName = "ISIN";
  static constexpr std::string_view kDescription =
      "International Securities Identification Number; letters as 10 to 35, then Luhn";
  static constexpr std::string_view kArea = area::kSecurities;
  // Two letters of ISO 3166, read out as the country's name.
  static constexpr std::string_view kCountryField = "CountryCode";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Isin::CheckDigit},
      Property{"CountryCode", &Isin::CountryCode},
      Property{"EmbeddedCode", &Isin::EmbeddedCode},
      Property{"EmbeddedValid", &Isin::EmbeddedValid},
      Property{"NSIN", &Isin::NSIN},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("US0378331005",
            R"(CountryCode="US" NSIN="037833100" EmbeddedCode="CUSIP" EmbeddedValid=true)"),
      Valid("AU0000XVGZA3", R"(EmbeddedCode=nothing EmbeddedValid=false)"),
      Valid("GB0002634946", R"(EmbeddedCode="SEDOL" EmbeddedValid=true)"),
      Valid("GB00BYXJL758"),
      Valid("us0378331005"),
      // The embedded CUSIP is judged apart from the ISIN's own check digit.
      Valid("US0378331013", R"(EmbeddedValid=false)"),
      Invalid("GB00BYXJL750", "check digit should be 8, not 0"),
      // No country ZZ; every letter opens some code, so the second is named.
      Invalid("ZZ0378331005", "the letter Z cannot stand at place 2"),
      Invalid("US037833100A", "the letter A cannot stand at place 12"),
      Calculates("US037833100", "5"),
      Calculates("GB00BYXJL75", "8"),
      Invalid("US0378331006", "check digit should be 5, not 6"),
  };
  // Examples end
};

}  // namespace numerant
