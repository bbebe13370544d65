// SPDX-License-Identifier: MIT
// cn.ric: the Chinese resident identity card number (GB 11643-1999).
//
// Eighteen characters: the six-digit code of the region where the number
// was first issued, the birth date YYYYMMDD, a three-digit sequence whose
// last digit is odd for men and even for women, and the ISO 7064 MOD 11-2
// check character over the seventeen digits, 0 to 9 or X for 10. The birth
// date must exist; the region codes are not checked against a table.
//   360426 19910101 007 1: Jiangxi, born 1 January 1991, a man.
//   CnRic ric;
//   ric.Calculate("36042619910101007");   // "1"
//   ric.Check("360426199101010071");      // true, BirthDate "1991-01-01"
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct CnRicFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue region;
};

// The check character is "" until known.
class CnRic final : public Iso7064Number<CnRic, std::string, CnRicFields> {
 public:
  CnRic();

  // YYYY-MM-DD; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // "male" or "female".
  const FieldValue& Gender() const { return fields().gender; }
  // The six digits of the administrative division.
  const FieldValue& Region() const { return fields().region; }

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<CnRic> {
  static constexpr std::string_view kName = "cn.ric";
  static constexpr std::string_view kDisplayName = "Resident identity card number";
  static constexpr std::string_view kDescription =
      "Chinese resident identity card number, 18 characters; ISO 7064 MOD 11-2 with X";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &CnRic::BirthDate},
      Property{"CheckDigit", &CnRic::CheckDigit},
      Property{"Gender", &CnRic::Gender},
      Property{"Region", &CnRic::Region},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("360426199101010071", R"(BirthDate="1991-01-01" Gender="male" Region="360426")"),
      Valid("44011320141005001x", R"(BirthDate="2014-10-05" CheckDigit="X")"),
      Calculates("44011320141005001", "X"),
      Invalid("360426199102300071", "no such date: 1991-02-30"),
  };
  // Examples end
};

}  // namespace numerant
