// SPDX-License-Identifier: MIT
// PNR: the Swedish personal identity number, YYMMDD SSS C.
//
// The birth date, a three-digit serial whose last digit gives the sex (odd
// for men) and a Luhn check digit over the nine digits: the rightmost and
// every second digit to its left counts with the digit sum of its double, and
// the check digit brings the total to a multiple of 10.
//   850315123: 7 + 5 + 0 + 3 + 2 + 5 + 2 + 2 + 6 = 32, so 8.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct PnrFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
};

class PNR final : public LuhnNumber<PnrFields> {
 public:
  PNR();

  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  // 1 male, 2 female, 0 not decoded.
  std::int32_t Gender() const { return fields().gender; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<PNR> {
  static constexpr std::string_view kName = "PNR";
  static constexpr std::string_view kDescription = "Swedish personal number: YYMMDD, serial; Luhn";
  static constexpr std::tuple kProperties{Property{"BirthDate", &PNR::BirthDate},
                                          Property{"CheckDigit", &PNR::CheckDigit},
                                          Property{"Gender", &PNR::Gender}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("8503151238"),
      Valid("850315-1238"),
      Valid("850315 1238"),
      // BirthDate "850315", Gender 1
      Calculates("850315123", "8", R"(BirthDate="850315" Gender=1)"),
      Calculates("850315-124", "6", "Gender=2"),
      Calculates("8503151A3", "-1", R"(BirthDate="850315" Gender=1)"),
      Calculates("85031512A", "-1", R"(BirthDate="850315" Gender=0)"),
      Invalid("8503151239", "check digit should be 8, not 9", "CheckDigit=8"),
      Invalid("850315.1238", "10 digits expected, 11 typed"),
      Invalid("", "no number typed"),
      Invalid("8503151A38", "the letter A cannot stand at place 8"),
      Invalid("850315-12A8", "the letter A cannot stand at place 10"),
  };
  // Examples end
};

}  // namespace numerant
