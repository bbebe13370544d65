// SPDX-License-Identifier: MIT
// za.idnr: the South African identity number.
//
// YYMMDD, a four-digit sequence (0000 to 4999 for women, 5000 to 9999 for
// men), a citizenship digit (0 a citizen, 1 a permanent resident, 2 a
// refugee), a digit without meaning today and the Luhn check digit over the
// twelve. The number does not write the century: years 00 to 49 are read as
// 2000 to 2049 and 50 to 99 as 1950 to 1999, and `CenturyInferred` says so.
// The birth date must exist in that reading.
//   ZaIdnr id;
//   id.Calculate("750330504408");   // 9
//   id.Check("750330 5044 08 9");   // true, BirthDate "1975-03-30"
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

struct ZaIdnrFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue citizenship;
  bool century_inferred = false;
};

class ZaIdnr final : public CheckDigitNumber<std::int16_t, ZaIdnrFields> {
 public:
  ZaIdnr();

  // YYYY-MM-DD, the century by the fixed pivot; nothing until decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // Whether the century of BirthDate was inferred rather than read: true
  // for every decoded number.
  bool CenturyInferred() const { return fields().century_inferred; }
  // "citizen", "permanent resident" or "refugee".
  const FieldValue& Citizenship() const { return fields().citizenship; }
  // "male" or "female".
  const FieldValue& Gender() const { return fields().gender; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ZaIdnr> {
  static constexpr std::string_view kName = "za.idnr";
  static constexpr std::string_view kDisplayName = "South African ID number";
  static constexpr std::string_view kDescription =
      "South African identity number with birth date, sex and citizenship; Luhn check digit";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "###### #### ## #";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &ZaIdnr::BirthDate},
      Property{"CenturyInferred", &ZaIdnr::CenturyInferred},
      Property{"CheckDigit", &ZaIdnr::CheckDigit},
      Property{"Citizenship", &ZaIdnr::Citizenship},
      Property{"Gender", &ZaIdnr::Gender},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("7503305044089",
            R"(BirthDate="1975-03-30" Gender="male" Citizenship="citizen" CenturyInferred=true)"),
      Valid("5306060050180", R"(BirthDate="1953-06-06" Gender="female")"),
      Valid("7503305044204", R"(Citizenship="refugee")"),
      Calculates("750330504408", "9"),
      Invalid("7503305044303", "the digit 3 cannot stand at place 11"),
  };
  // Examples end
};

}  // namespace numerant
