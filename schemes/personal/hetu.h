// SPDX-License-Identifier: MIT
// HETU: the Finnish personal identity code, DDMMYY C ZZZ Q.
//
// The birth date, a century sign C ("+" for the 1800s, "-" for the 1900s, "A"
// for the 2000s), an individual number ZZZ, odd for men, and a check
// character Q: the nine digits DDMMYYZZZ read as one number, its remainder
// modulo 31 picking one of "0" to "9" and the letters but G, I, O, Q and Z.
// The hyphen is a century sign and so stays in the text; only blanks are
// removed, and nothing is upper-cased.
//   010100A123: 10100123 = 325810 x 31 + 13, and place 13 holds "D".
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

namespace numerant {

struct HetuFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  std::int32_t gender = 0;
  FieldValue identification_number = std::int16_t{0};
};

// The check digit is one character, or "" while none is known.
class HETU final : public CheckLetterNumber<HETU, HetuFields> {
 public:
  HETU();

  // The integer 0 until a code is decoded, then its DDMMYY.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The ordinal century of the sign, 0 for an unknown sign.
  std::uint8_t Century() const { return fields().century; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  std::int32_t Gender() const { return fields().gender; }
  // The three digits of the individual number.
  const FieldValue& IdentificationNumber() const { return fields().identification_number; }

 private:
  friend CheckLetterNumber;
  bool DecodeFields(std::string_view payload) override;
  std::int64_t LetterNumber(std::string_view payload) override;
};

template <>
struct Descriptor<HETU> {
  static constexpr std::string_view kName = "HETU";
  static constexpr std::string_view kDescription =
      "Finnish personal identity code DDMMYY, century sign (+ - A), individual number; check "
      "character by modulo 31";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &HETU::BirthDate}, Property{"Century", &HETU::Century},
      Property{"CheckDigit", &HETU::CheckDigit}, Property{"Gender", &HETU::Gender},
      Property{"IdentificationNumber", &HETU::IdentificationNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("010100A123D"),
      Valid("311299-1236"),
      Valid("010100+999N"),
      Valid("150385-1230"),
      Valid("010100a123D"),
      Valid("010100 A123D"),
      Valid("131052-308T"),
      // Century 21, Gender 1
      Calculates("010100A123", "D"),
      Calculates("0101 00A1 23", "D",
                 R"(BirthDate="010100" Century=21 Gender=1 IdentificationNumber="123")"),
      Calculates("311299+987", "2", "Century=19 Gender=1"),
      // the hyphen is a sign
      Calculates("150385-123", "0", "Century=20"),
      // Any other sign still computes, without a century; no upper-casing.
      Calculates("010100B124", "E", "Century=0 Gender=2"),
      Calculates("010100a123", "D", "Century=0"),
      Calculates("0101X0A123", "",
                 R"(BirthDate="0101X0" Century=21 Gender=0 IdentificationNumber=0)"),
      Calculates("010100A12X", "", "IdentificationNumber=0"),
      // the check character's case counts
      Invalid("010100A123d", "the letter d cannot stand at place 11"),
      Invalid(" ", "no number typed"),
      Invalid("010100A12", "11 characters expected, 9 typed"),
      Invalid("0101X0A123D", "the letter X cannot stand at place 5"),
      Invalid("010100A12XD", "the letter X cannot stand at place 10"),
      Invalid("010100A123E", "check character should be D, not E"),
  };
  // Examples end
};

}  // namespace numerant
