// SPDX-License-Identifier: MIT
// mx.rfc: the Mexican tax register key (Registro Federal de Contribuyentes).
//
// A person's key has thirteen characters: four letters of the names (A to
// Z, & and Ñ), the birth date YYMMDD and a three-character homoclave; a
// key without the homoclave (ten characters) is still in use. A company's
// has twelve: three letters, the date of incorporation and the homoclave.
// The homoclave's last character is meant as a check character (a weighted
// sum modulo 11 over the alphabet 0 to 9, A to N, &, O to Z, blank, Ñ), but
// the tax office has issued keys whose last character does not fit it, so
// it decides nothing: the key is read as a format without a check
// character, and `CheckCharacterFits` tells whether it fits. The date must
// exist; its century is not written, so years 00 to 49 are read as 2000 to
// 2049 and 50 to 99 as 1950 to 1999, and `CenturyInferred` says so.
//   MxRfc rfc;
//   rfc.Check("GODE561231GR8");   // true, Date "1956-12-31", CheckCharacterFits true
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

struct MxRfcFields {
  FieldValue date;
  FieldValue kind;
  bool century_inferred = false;
  bool check_character_fits = false;
};

// No check character: the check digit stays "".
class MxRfc final : public CheckDigitNumber<std::string, MxRfcFields> {
 public:
  MxRfc();

  // Whether the century of Date was inferred rather than read: true for
  // every decoded key.
  bool CenturyInferred() const { return fields().century_inferred; }
  // Whether the last character is the one the weighted sum gives; false for
  // a key without a homoclave.
  bool CheckCharacterFits() const { return fields().check_character_fits; }
  // The birth or incorporation date, YYYY-MM-DD; nothing until decoded.
  const FieldValue& Date() const { return fields().date; }
  // "person" or "company".
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<MxRfc> {
  static constexpr std::string_view kName = "mx.rfc";
  static constexpr std::string_view kDisplayName = "RFC";
  static constexpr std::string_view kDescription =
      "Mexican tax register key of persons and companies; its check character is shown, not "
      "enforced";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::string_view kWrittenForm = "#### ###### ###|### ###### ###";
  static constexpr std::tuple kProperties{
      Property{"CenturyInferred", &MxRfc::CenturyInferred},
      Property{"CheckCharacterFits", &MxRfc::CheckCharacterFits},
      Property{"CheckDigit", &MxRfc::CheckDigit},
      Property{"Date", &MxRfc::Date},
      Property{"Kind", &MxRfc::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("GODE 561231 GR8",
            R"(Date="1956-12-31" Kind="person" CheckCharacterFits=true CenturyInferred=true)"),
      Valid("VACE-460910-SX6", R"(Date="2046-09-10" CheckCharacterFits=false)"),
      Valid("MAB-930714-8T4", R"(Kind="company" Date="1993-07-14")"),
      Valid("COMG-600703", R"(CheckCharacterFits=false)"),
      Calculates("GODE561231GR8", ""),  // no check character
      Invalid("GODE561331GR8", "no such date: 1956-13-31"),
      Invalid("GOD1561231GR8", "the digit 1 cannot stand at place 4"),
  };
  // Examples end
};

}  // namespace numerant
