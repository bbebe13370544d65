// SPDX-License-Identifier: MIT
// bg.vat: the Bulgarian VAT number (DDS nomer), nine digits for a legal entity
// (its BULSTAT code) or ten for a person: the personal number EGN, the
// foreigner's number PNF, or another ten-digit number.
//
// Nine digits: weights 1 to 8, modulo 11; a remainder of 10 is weighed again
// with 3 to 10, and a second 10 counts as 0. Ten digits: the EGN's weights 2 4
// 8 5 10 9 7 3 6 modulo 11 (10 counts as 0) over a birth date YYMMDD (month +
// 20 before 1900, + 40 from 2000); the PNF's weights 21 19 17 13 11 9 7 3 1
// modulo 10; or the weights 4 3 2 7 6 5 4 3 2 and 11 minus the remainder
// modulo 11. A ten-digit number passes when it fits any of the three, and
// `Calculate` gives the EGN's digit where the date exists, else the PNF's.
//   BgVat vat;
//   vat.Calculate("17507475");       // 2
//   vat.Check("BG 175 074 752");     // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"
#include "schemes/further/kinded_number.h"

namespace numerant {

// The check digit is -1 until known.
class BgVat final : public KindedNumber<std::int16_t> {
 public:
  BgVat();
  // Kind(): "legal entity", "EGN", "PNF" or "other"; nothing until read.

 private:
  std::optional<std::int16_t> ComputeCheckDigitAgainst(std::string_view payload,
                                                       std::string_view found) override;
};

template <>
struct Descriptor<BgVat> {
  static constexpr std::string_view kName = "bg.vat";
  static constexpr std::string_view kDisplayName = "VAT number (Bulgaria)";
  static constexpr std::string_view kDescription =
      "Bulgarian VAT number: BULSTAT of 9 digits, or EGN, PNF or other number of 10; weighted "
      "modulo 11 or 10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &BgVat::CheckDigit},
      Property{"Kind", &BgVat::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("175074752", R"(Kind="legal entity")"),
      Valid("BG 175 074 752"),
      Valid("7523169263", R"(Kind="EGN")"),
      Valid("8032056031"),
      Calculates("17507475", "2"),
      Invalid("175074751", "check digit should be 2, not 1"),
  };
  // Examples end
};

}  // namespace numerant
