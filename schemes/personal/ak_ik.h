// SPDX-License-Identifier: MIT
// AK and IK: the eleven-digit personal codes of Lithuania and Estonia,
// G YYMMDD SSS C.
//
// The first digit G gives century and sex, YYMMDD is the birth date, SSS a
// serial number and C a check digit: the ten digits weighted 1 2 3 4 5 6 7 8
// 9 1, the remainder of the sum modulo 11. AK weighs a second time, with 3 4
// 5 6 7 8 9 1 2 3, when the first sum leaves remainder 10, and takes 0 when
// the second does too, so its check digit is always 0 to 9; IK weighs once
// and leaves 10 standing, which no digit can match.
//   4850315123: 4 + 16 + 15 + 0 + 15 + 6 + 35 + 8 + 18 + 3 = 120, remainder
//   10; again 12 + 32 + 25 + 0 + 21 + 8 + 45 + 1 + 4 + 9 = 157, remainder 3.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct PersonalCodeFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  std::int32_t gender = 0;
  FieldValue serial_number = std::int16_t{0};
};

// What AK and IK share: the fields, read the same way; the two differ in
// their weighting and in what the first digit means.
class ElevenDigitPersonalCode : public WeightedSumNumber<PersonalCodeFields> {
 public:
  // What the first digit says, by its value 0 to 9.
  struct FirstDigitMeaning {
    std::array<std::uint8_t, 10> century;
    std::array<std::int32_t, 10> gender;
  };

  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The ordinal century, 0 when not decoded or unknown.
  std::uint8_t Century() const { return fields().century; }
  // 1 male, 2 female, 0 not decoded or unknown.
  std::int32_t Gender() const { return fields().gender; }
  // The integer 0 until a number is decoded, then its three serial digits.
  const FieldValue& SerialNumber() const { return fields().serial_number; }

 protected:
  ElevenDigitPersonalCode(const WeightedSumRule& rule, const FirstDigitMeaning& first_digit)
      : WeightedSumNumber(rule), first_digit_(&first_digit) {}

 private:
  bool DecodeFields(std::string_view payload) override;

  const FirstDigitMeaning* first_digit_;
};

class AK final : public ElevenDigitPersonalCode {
 public:
  AK();
  // Here `Century` is the year's leading two digits (18 for first digits 1
  // and 2, the 1800s), for first digits 1 to 6; for any other the year is
  // left without its century.
  BirthDay Birthday() const;
};

class IK final : public ElevenDigitPersonalCode {
 public:
  IK();
  // Here `Century` is ordinal (19 for first digits 1 and 2, the 1800s).
  BirthDay Birthday() const;
};

template <>
struct Descriptor<AK> {
  static constexpr std::string_view kName = "AK";
  static constexpr std::string_view kDescription =
      "Lithuanian personal code: century and sex, YYMMDD, serial; modulo 11 in two stages";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &AK::BirthDate}, Property{"Century", &AK::Century},
      Property{"CheckDigit", &AK::CheckDigit}, Property{"Gender", &AK::Gender},
      Property{"SerialNumber", &AK::SerialNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("48503151233"),
      // Century 19, Gender 2
      // The first weighting leaves 10: AK weighs again, IK keeps 10.
      Calculates("4850315123", "3", R"(BirthDate="850315" Century=19 Gender=2 SerialNumber="123")"),
      Calculates("3900101000", "0", R"(BirthDate="900101" Century=19 Gender=1 SerialNumber="000")"),
      Calculates("3870318015", "7"),
      // both weightings leave 10
      Calculates("3900101059", "0"),
      Calculates("5020814263", "4"),
      // A first character that is not a digit keeps only the birth date.
      Calculates("A900101000", "-1", R"(BirthDate="900101" Century=0 Gender=0 SerialNumber=0)"),
      Calculates("39001010000", "-1", "BirthDate=0"),
      Invalid(" - ", "no number typed"),
      Invalid("4850315123", "11 digits expected, 10 typed"),
      Invalid("A8503151233", "the letter A cannot stand at place 1"),
      Invalid("4850-315123-4", "check digit should be 3, not 4"),
  };
  // Examples end
};

template <>
struct Descriptor<IK> {
  static constexpr std::string_view kName = "IK";
  static constexpr std::string_view kDescription =
      "Estonian personal code: century and sex, YYMMDD, serial; modulo 11 in one stage";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &IK::BirthDate}, Property{"Century", &IK::Century},
      Property{"CheckDigit", &IK::CheckDigit}, Property{"Gender", &IK::Gender},
      Property{"SerialNumber", &IK::SerialNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("39001010000"),
      Valid("390010-10000"),
      Valid("3 9001-01 0000"),
      // Century 20
      Calculates("4850315123", "10", "Century=20 Gender=2"),
      Calculates("39001-01000", "0", "Century=20"),
      Calculates("3870318015", "10"),
      Calculates("5020814263", "4"),
      Calculates("390010100X", "-1",
                 R"(BirthDate="900101" Century=20 Gender=1 SerialNumber="00X")"),
      Invalid("48503151231", "no check digit exists for this number", "CheckDigit=10"),
      Invalid("48503151230", "no check digit exists for this number"),
      Invalid("48503151X33", "the letter X cannot stand at place 9"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("4850315123:", "the character \":\" cannot stand at place 11"),
  };
  // Examples end
};

}  // namespace numerant
