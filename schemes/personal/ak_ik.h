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
//   AK ak;
//   ak.Calculate("4850315123");    // 3, Century 19, Gender 2
//   IK ik;
//   ik.Calculate("4850315123");    // 10, Century 20
//   ik.Check("390010-10000");      // true
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/field_value.h"
#include "core/scheme.h"
#include "core/weighted_sum_number.h"

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
};

class IK final : public ElevenDigitPersonalCode {
 public:
  IK();
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
};

}  // namespace numerant
