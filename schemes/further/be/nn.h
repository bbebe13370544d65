// SPDX-License-Identifier: MIT
// be.nn: the Belgian national register number, YYMMDD SSS CC, and the BIS
// number of the same register.
//
// The birth date, a three-digit serial whose parity gives the sex (odd for
// men) and two check digits: 97 minus the remainder modulo 97 of the nine
// digits for births before 2000, or of "2" and the nine digits from 2000 on.
// Both are tried; the one the check digits fit gives the century. A BIS
// number adds 20 to the month where the sex was not known when it was
// given, 40 where it was; the register writes a month or a day it does not
// know as 00. Where month and day are known, the date must exist.
//   170730033: 97 - (170730033 mod 97) = 55 for 1917, 97 - (2170730033 mod
//   97) = 84 for 2017.
//   BeNn nn;
//   nn.Calculate("170730033");     // "55", the reading before 2000
//   nn.Check("17.07.30-033.84");   // true, BirthDate "2017-07-30"
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct BeNnFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue serial;
  FieldValue kind;
};

// The check digits are "" until known, then two digits.
class BeNn final : public CheckDigitNumber<std::string, BeNnFields> {
 public:
  BeNn();

  // YYYY-MM-DD, or YYYY-MM or YYYY where the register does not know the day
  // or the month; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // "male" or "female"; nothing for a BIS number given without the sex.
  const FieldValue& Gender() const { return fields().gender; }
  // "national number" or "BIS".
  const FieldValue& Kind() const { return fields().kind; }
  // The three serial digits.
  const FieldValue& Serial() const { return fields().serial; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
  // The check digits of a payload for births in the century from
  // `century_start`, with the fields that reading gives; nothing when that
  // date does not exist.
  std::optional<std::string> Reading(std::string_view payload, int century_start);
};

template <>
struct Descriptor<BeNn> {
  static constexpr std::string_view kName = "be.nn";
  static constexpr std::string_view kDisplayName = "Belgian national number";
  static constexpr std::string_view kDescription =
      "Belgian national register and BIS number, births before and from 2000; 97 minus modulo 97";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "##.##.##-###.##";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &BeNn::BirthDate}, Property{"CheckDigit", &BeNn::CheckDigit},
      Property{"Gender", &BeNn::Gender},       Property{"Kind", &BeNn::Kind},
      Property{"Serial", &BeNn::Serial},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("85073003328", R"(BirthDate="1985-07-30")"),
      Valid("17.07.30-033.84", R"(BirthDate="2017-07-30" Gender="male" Kind="national number")"),
      Valid("17273003301", R"(Gender=nothing Kind="BIS")"),
      Valid("00000000128", R"(BirthDate="2000")"),
      Calculates("170730033", "55"),
      Calculates("000229001", "45"),
      Invalid("17133003397", "no such date: 1917-13-30"),
  };
  // Examples end
};

}  // namespace numerant
