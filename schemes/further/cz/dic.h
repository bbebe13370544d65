// SPDX-License-Identifier: MIT
// cz.dic: the Czech VAT number (DIC), the company's eight-digit number, a
// nine-digit number of the special range starting with 6, or a person's
// ten-digit birth number (rodne cislo).
//
// Eight digits (never starting with 9): weights 8 to 2, the check digit 11
// minus the remainder modulo 11, where 10 gives 0 and 11 gives 1. The special
// range: the seven digits after the 6 weighted 8 to 2, r the remainder modulo
// 11, the check digit (8 - (10 - r) mod 11) mod 10. A birth number: YYMMDD
// (month + 50 for women, + 20 from 2004 when a day's serials run out; years
// before 54 are 2000s) and serial, the check digit the nine digits modulo 11;
// before 1985 a remainder of 10 counts as 0.
//   CzDic dic;
//   dic.Calculate("2512389");        // 1
//   dic.Check("CZ 25123891");        // true
//   dic.Check("7103192745");         // true, a birth number
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

// The check digit of a ten-digit Czech or Slovak birth number YYMMDDSSS
// followed by it: the nine digits modulo 11, 10 taken as 0 before 1985;
// nothing where the date does not exist (`date` then holds it, YYYY-MM-DD)
// or the remainder is 10 from 1985. Shared by cz.dic and sk.dph.
std::optional<std::int16_t> BirthNumberCheckDigit(std::string_view digits, std::string& date);

// The check digit is -1 until known.
class CzDic final : public KindedNumber<std::int16_t> {
 public:
  CzDic();
  // Kind(): "legal entity", "special" or "birth number"; nothing until read.

 private:
  std::optional<std::int16_t> ComputeCheckDigitAgainst(std::string_view payload,
                                                       std::string_view found) override;
};

template <>
struct Descriptor<CzDic> {
  static constexpr std::string_view kName = "cz.dic";
  static constexpr std::string_view kDisplayName = "DIC (Czech Republic)";
  static constexpr std::string_view kDescription =
      "Czech VAT number: 8 digits of a legal entity, 9 of the special range, or a 10-digit birth "
      "number";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &CzDic::CheckDigit},
      Property{"Kind", &CzDic::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("25123891", R"(Kind="legal entity")"),
      Valid("CZ 25123891"),
      Valid("7103192745", R"(Kind="birth number")"),
      Valid("640903926", R"(Kind="special")"),
      Calculates("2512389", "1"),
      Invalid("25123890", "check digit should be 1, not 0"),
      Invalid("95123891", "the digit 9 cannot stand at place 1"),
      Invalid("7113192745", "no such date: 1971-13-19"),
  };
  // Examples end
};

}  // namespace numerant
