// SPDX-License-Identifier: MIT
// fr.tva: the French VAT number (numero de TVA intracommunautaire), a key of
// two characters before the nine-digit SIREN, whose Luhn check digit must
// hold (SIRENs of Monaco, 000 first, have none). The numeric key is the SIREN
// followed by 12, modulo 97. Keys with a letter (of 0-9 and A-Z without I and
// O) are numbered: a digit and a letter 24 x digit + letter's place, a
// letter first 34 x its place + the second's place - 100, places counting 0-9
// and then the letters from 10; a key numbered k fits when SIREN + 1 + k div
// 11 is k modulo 11. `Calculate` gives the numeric key.
//   FrTva tva;
//   tva.Calculate("303265045");      // "40"
//   tva.Check("FR 40 303 265 045");  // true
//   tva.Check("K7399859412");        // true, a letter key
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/companies/siren.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check characters are "" until known.
class FrTva final : public CheckDigitNumber<std::string> {
 public:
  FrTva();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
  SIREN siren_;
};

template <>
struct Descriptor<FrTva> {
  static constexpr std::string_view kName = "fr.tva";
  static constexpr std::string_view kDisplayName = "TVA (France)";
  static constexpr std::string_view kDescription =
      "French VAT number: 2-character key and the SIREN; (12 + 3 x SIREN) mod 97, or a letter key";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::string_view kWrittenForm = "## ### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &FrTva::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      // Monaco's numbers, 000 first, are no SIRENs and carry no Luhn digit.
      Valid("34000123456"),
      Valid("40303265045"),
      Valid("Fr 40 303 265 045"),
      Valid("FR61954506077"),
      Valid("K7399859412"),
      Valid("4Z123456782"),
      Calculates("303265045", "40"),
      Invalid("84 323 140 391", "the digit 1 cannot stand at place 14"),
      Invalid("IO334175221", "check characters should be 23, not IO"),
  };
  // Examples end
};

}  // namespace numerant
