// SPDX-License-Identifier: MIT
// no.fodselsnummer: the Norwegian national identity number
// (fødselsnummer), and the D and H numbers of the same register.
//
// DDMMYY, three individual digits and two check digits. The individual
// number and YY give the century: 000 to 499 the 1900s; 500 to 749 with YY
// 54 to 99 the 1800s; 500 to 999 with YY 00 to 39 the 2000s; 900 to 999 with
// YY 40 to 99 the 1900s; any other pair has none. Its last digit is odd for
// men. A D number (for those not resident) adds 40 to the day, an H number
// (an aid number of the health service) 40 to the month; the date must
// exist. Each check digit is 11 minus a weighted sum modulo 11 (weights 3 7
// 6 1 8 9 4 5 2, then 5 4 3 2 7 6 5 4 3 2 over the ten digits), 11 giving 0;
// a number whose sum gives 10 is not issued.
//   NoFodselsnummer number;
//   number.Calculate("151086950");   // "88"
//   number.Check("151086 95088");    // true, BirthDate "1986-10-15"
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

struct NoFodselsnummerFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue kind;
};

// The check digits are "" until known, then two digits.
class NoFodselsnummer final : public CheckDigitNumber<std::string, NoFodselsnummerFields> {
 public:
  NoFodselsnummer();

  // YYYY-MM-DD; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // "male" or "female".
  const FieldValue& Gender() const { return fields().gender; }
  // "birth number", "D number" or "H number".
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<NoFodselsnummer> {
  static constexpr std::string_view kName = "no.fodselsnummer";
  static constexpr std::string_view kDisplayName = "Fødselsnummer";
  static constexpr std::string_view kDescription =
      "Norwegian national identity number, with D and H numbers; two weighted modulo-11 check "
      "digits";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "###### #####";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &NoFodselsnummer::BirthDate},
      Property{"CheckDigit", &NoFodselsnummer::CheckDigit},
      Property{"Gender", &NoFodselsnummer::Gender},
      Property{"Kind", &NoFodselsnummer::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("151086 95088", R"(BirthDate="1986-10-15" Gender="female" Kind="birth number")"),
      Valid("10048744732"),
      // D numbers add 40 to the day, H numbers 40 to the month.
      Valid("55108695071", R"(Kind="D number" BirthDate="1986-10-15")"),
      Valid("15508695060", R"(Kind="H number")"),
      Valid("010120501 90", R"(BirthDate="2020-01-01")"),
      Calculates("151086950", "88"),
      // The individual number 800 gives no century with YY 50.
      Invalid("15105080058", "the digit 8 cannot stand at place 7"),
      Invalid("15108695077", "check digits should be 88, not 77"),
  };
  // Examples end
};

}  // namespace numerant
