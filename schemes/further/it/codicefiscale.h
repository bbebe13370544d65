// SPDX-License-Identifier: MIT
// it.codicefiscale: the Italian fiscal code of a person.
//
// Sixteen characters: three letters of the surname and three of the name,
// the year YY, the month as a letter (A B C D E H L M P R S T), the day (plus
// 40 for women), the municipality's cadastral code (a letter and three
// digits; Z and the code of the country for those born abroad) and the check
// letter. Where two persons would share a code, digits of the year, day and
// municipality are replaced from the right by the letters L M N P Q R S T U
// V for 0 to 9 (omocodia). The check letter is the sum modulo 26 of the
// fifteen characters' values, from one table in the odd places and another
// in the even ones. The code does not write the century: years 00 to 49 are
// read as 2000 to 2049 and 50 to 99 as 1950 to 1999, and `CenturyInferred`
// says so. The birth date must exist.
//   ItCodicefiscale code;
//   code.Calculate("RCCMNL83S18D969");   // "H"
//   code.Check("RCCMNL83S18D969H");      // true, BirthDate "1983-11-18"
//   code.Check("RCCMNL83S18D96VW");      // true: omocodia, Municipality "D969"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct ItCodicefiscaleFields {
  FieldValue birth_date;
  FieldValue gender;
  FieldValue municipality;
  bool century_inferred = false;
};

// The check letter is "" until known.
class ItCodicefiscale final : public CheckLetterNumber<ItCodicefiscale, ItCodicefiscaleFields> {
 public:
  ItCodicefiscale();

  // YYYY-MM-DD, the century by the fixed pivot; nothing until decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // Whether the century of BirthDate was inferred rather than read: true
  // for every decoded code.
  bool CenturyInferred() const { return fields().century_inferred; }
  // "male" or "female" (day + 40).
  const FieldValue& Gender() const { return fields().gender; }
  // The cadastral code, its digits restored where omocodia replaced them
  // ("D969").
  const FieldValue& Municipality() const { return fields().municipality; }

 private:
  friend CheckLetterNumber;
  bool DecodeFields(std::string_view payload) override;
  std::int64_t LetterNumber(std::string_view payload) override;
};

template <>
struct Descriptor<ItCodicefiscale> {
  static constexpr std::string_view kName = "it.codicefiscale";
  static constexpr std::string_view kDisplayName = "Codice fiscale";
  static constexpr std::string_view kDescription =
      "Italian fiscal code of a person, with omocodia; check letter by odd and even tables modulo "
      "26";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &ItCodicefiscale::BirthDate},
      Property{"CenturyInferred", &ItCodicefiscale::CenturyInferred},
      Property{"CheckDigit", &ItCodicefiscale::CheckDigit},
      Property{"Gender", &ItCodicefiscale::Gender},
      Property{"Municipality", &ItCodicefiscale::Municipality},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("RCCMNL83S18D969H",
            R"(BirthDate="1983-11-18" Gender="male" Municipality="D969" CenturyInferred=true)"),
      Valid("MRTNTN23M02D969P", R"(BirthDate="2023-08-02")"),
      Valid("CNTFNC84R44H5L1E", R"(BirthDate="1984-10-04" Gender="female" Municipality="H501")"),
      // Omocodia: any digit of year, day and municipality may be a letter.
      Valid("RCCMNL83S18D96VW", R"(Municipality="D969")"),
      Valid("RCCMNLUPSMUDVSVO", R"(BirthDate="1983-11-18")"),
      Calculates("RCCMNL83S18D969", "H"),
      Invalid("RCCMNL83F18D969H", "the letter F cannot stand at place 9"),  // F is no month
      // 2000 had a 29 February, but no 30th.
      Invalid("RCCMNL00B70D969X", "no such date: 2000-02-30"),
  };
  // Examples end
};

}  // namespace numerant
