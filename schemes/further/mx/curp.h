// SPDX-License-Identifier: MIT
// mx.curp: the Mexican population register key (Clave Única de Registro de
// Población).
//
// Eighteen characters: four letters of the names, the birth date YYMMDD, H
// (man) or M (woman), the two-letter code of the state of birth (NE born
// abroad), three consonants of the names, a character that tells the
// century (a digit up to 1999, a letter from 2000) and keeps homonyms apart,
// and the check digit. The characters count by their rank in 0 to 9, A to
// N, Ñ, O to Z (0 to 36), weighted 18 down to 2; the check digit brings the
// sum to a multiple of 10. The birth date must exist.
//   MxCurp curp;
//   curp.Calculate("BOXW310820HNERXN0");   // 9
//   curp.Check("BOXW310820HNERXN09");      // true, BirthDate "1931-08-20"
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

struct MxCurpFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue state;
};

class MxCurp final : public CheckDigitNumber<std::int16_t, MxCurpFields> {
 public:
  MxCurp();

  // YYYY-MM-DD; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // "male" (H) or "female" (M).
  const FieldValue& Gender() const { return fields().gender; }
  // The two letters of the state of birth.
  const FieldValue& State() const { return fields().state; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<MxCurp> {
  static constexpr std::string_view kName = "mx.curp";
  static constexpr std::string_view kDisplayName = "CURP";
  static constexpr std::string_view kDescription =
      "Mexican population register key with birth date, sex and state; weighted check digit "
      "modulo 10";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &MxCurp::BirthDate},
      Property{"CheckDigit", &MxCurp::CheckDigit},
      Property{"Gender", &MxCurp::Gender},
      Property{"State", &MxCurp::State},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("BOXW310820HNERXN09", R"(BirthDate="1931-08-20" Gender="male" State="NE")"),
      Valid("HEGG560427MVZRRL04", R"(Gender="female" State="VZ")"),
      Valid("MASI050805MVZRLRA8", R"(BirthDate="2005-08-05")"),
      Calculates("BOXW310820HNERXN0", "9"),
      Invalid("BOXW310820XNERXN09", "the letter X cannot stand at place 11"),
      Invalid("BOXW310820HXXRXN09", "the letter X cannot stand at place 12"),
      Invalid("BOXW310230HNERXN09", "no such date: 1931-02-30"),
  };
  // Examples end
};

}  // namespace numerant
