// SPDX-License-Identifier: MIT
// se.personnummer: the Swedish personal identity number and the
// coordination number of the same register.
//
// YYMMDD-NNNC or YYYYMMDD-NNNC: the birth date, a three-digit birth number
// whose last digit is odd for men, and the Luhn check digit over the nine
// digits YYMMDDNNN. In the ten-digit form the sign tells the century: "-"
// (or none) for a person under 100, "+" from the year the person turns 100.
// As the number does not write the century there, years 00 to 49 are read
// as 2000 to 2049 and 50 to 99 as 1950 to 1999, a "+" one century earlier,
// and `CenturyInferred` says so; the twelve-digit form writes the century
// and ignores the sign. A coordination number (samordningsnummer) adds 60
// to the day. The birth date must exist.
//   SePersonnummer pnr;
//   pnr.Calculate("880320-003");   // 2
//   pnr.Check("880320-0032");      // true, BirthDate "1988-03-20"
//   pnr.Check("880320+0032");      // true, BirthDate "1888-03-20"
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

struct SePersonnummerFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue kind;
  bool century_inferred = false;
};

class SePersonnummer final : public CheckDigitNumber<std::int16_t, SePersonnummerFields> {
 public:
  SePersonnummer();

  // YYYY-MM-DD; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // Whether the century of BirthDate was inferred by the fixed pivot (the
  // ten-digit form) rather than read (the twelve-digit form).
  bool CenturyInferred() const { return fields().century_inferred; }
  // "male" or "female".
  const FieldValue& Gender() const { return fields().gender; }
  // "personal identity number" or "coordination number".
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<SePersonnummer> {
  static constexpr std::string_view kName = "se.personnummer";
  static constexpr std::string_view kDisplayName = "Personnummer";
  static constexpr std::string_view kDescription =
      "Swedish personal identity and coordination number, 10 or 12 digits with - or +; Luhn "
      "check digit";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &SePersonnummer::BirthDate},
      Property{"CenturyInferred", &SePersonnummer::CenturyInferred},
      Property{"CheckDigit", &SePersonnummer::CheckDigit},
      Property{"Gender", &SePersonnummer::Gender},
      Property{"Kind", &SePersonnummer::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("880320-0016", R"(BirthDate="1988-03-20" Gender="male" CenturyInferred=true)"),
      Valid("811228-9841", R"(Gender="female")"),
      // "+" one century earlier; twelve digits write the century.
      Valid("880320+0016", R"(BirthDate="1888-03-20")"),
      Valid("8803200016", R"(BirthDate="1988-03-20")"),
      Valid("19880320-0016", R"(BirthDate="1988-03-20" CenturyInferred=false)"),
      Valid("188803200016", R"(BirthDate="1888-03-20")"),
      Valid("880380-0013", R"(Kind="coordination number")"),
      Valid("000229-0021", R"(BirthDate="2000-02-29")"),
      Calculates("880320-001", "6"),
      // 1900 had no 29 February.
      Invalid("000229+0021", "no such date: 1900-02-29"),
      Invalid("880320*0016", "the character \"*\" cannot stand at place 7"),
      Invalid("88032-00016", "the character \"-\" cannot stand at place 6"),
  };
  // Examples end
};

}  // namespace numerant
