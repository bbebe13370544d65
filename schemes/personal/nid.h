// SPDX-License-Identifier: MIT
// NID: a national identity number of ten characters, D Y MM DD SSS Q.
//
// The first character D carries the decade of birth and, by its kind, the
// century: a digit for the 1900s, "A" to "J" for the 2000s, "K" to "T" for
// the 2100s. Y is the year's last digit, MM the month (raised by 50 for
// women), DD the day, SSS a sequence number. The check character Q comes from
// a sum: the first character counts by its code from "A" = 1 (so a digit
// counts -16 to -7), and the digits at places 2 to 9 by their value times the
// place. The remainder of the sum modulo 23, which keeps the sum's sign, is
// the distance of Q from "@": 1 gives "A", 0 "@" itself, and a negative
// remainder one of the characters below it, digits among them.
//   850315123: -8 + 5x2 + 0x3 + 3x4 + 1x5 + 5x6 + 1x7 + 2x8 + 3x9 = 99 =
//   4 x 23 + 7, so "G".
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

struct NidFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  std::int32_t gender = 0;
  FieldValue sequence_number = std::int16_t{0};
};

// The check digit is one character, or "" while none is known.
class NID final : public CheckLetterNumber<NID, NidFields> {
 public:
  NID();

  // The integer 0 until a number is decoded, then YYMMDD: the decade, the
  // year digit, the month without the women's 50 and the day.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The ordinal century of the first character, 0 for any other character.
  std::uint8_t Century() const { return fields().century; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  // By the month: 1 to 12 men, 51 to 62 women, 0 for any other.
  std::int32_t Gender() const { return fields().gender; }
  const FieldValue& SequenceNumber() const { return fields().sequence_number; }

 private:
  friend CheckLetterNumber;
  bool DecodeFields(std::string_view payload) override;
  std::int64_t LetterNumber(std::string_view payload) override;
};

template <>
struct Descriptor<NID> {
  static constexpr std::string_view kName = "NID";
  static constexpr std::string_view kDescription =
      "National identity number: a digit or letter for decade and century, year, month (+50 for "
      "women), day, sequence; check character by modulo 23";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &NID::BirthDate}, Property{"Century", &NID::Century},
      Property{"CheckDigit", &NID::CheckDigit}, Property{"Gender", &NID::Gender},
      Property{"SequenceNumber", &NID::SequenceNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("850315123G"),
      Valid("850315104@"),
      // a woman born 2075
      Valid("H55315123O"),
      Valid("0000000000"),
      // BirthDate "850315", Gender 1
      Calculates("850315123", "G"),
      Calculates("85-0315-123", "G",
                 R"(BirthDate="850315" Century=19 Gender=1 SequenceNumber="123")"),
      Calculates("H55315123", "O", R"(BirthDate="750315" Century=20 Gender=2)"),
      Calculates("K55131512", "G", R"(BirthDate="050131" Century=21 Gender=2)"),
      // remainder 0
      Calculates("850315104", "@"),
      // The sum -16 keeps its sign.
      Calculates("000000000", "0", R"(BirthDate="000000" Century=19 Gender=0)"),
      // A first character outside the three ranges counts by its code.
      Calculates("U12345678", "H", R"(BirthDate=0 Century=0 Gender=0 SequenceNumber="678")"),
      Calculates("h55315123", "A", R"(BirthDate=0 Century=0 Gender=2)"),
      Calculates("8503X5123", "", R"(BirthDate="8503X5" Century=19 Gender=1)"),
      Calculates("85X315123", "", R"(BirthDate=0 Century=0 Gender=0 SequenceNumber=0)"),
      Invalid("850315123g", "check character should be G, not g"),
      Invalid("", "no number typed"),
      Invalid("850315123", "10 characters expected, 9 typed"),
      Invalid("85-X3-15123G", "the letter X cannot stand at place 4"),
      Invalid("8503X5123G", "the letter X cannot stand at place 5"),
      Invalid("850315123H", "check character should be G, not H"),
  };
  // Examples end
};

}  // namespace numerant
