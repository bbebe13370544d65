// AK and IK: the eleven-digit personal codes of Lithuania and Estonia.
//
// The first digit gives century and sex, digits 2 to 7 the birth date YYMMDD,
// digits 8 to 10 a serial number and digit 11 a weighted modulo-11 check
// digit. AK weighs a second time when the first sum leaves remainder 10, so
// its check digit is always 0 to 9; IK weighs once and leaves 10 standing,
// which no digit can match.
//   AK ak;
//   ak.Calculate("4850315123");    // 3
//   IK ik;
//   ik.Calculate("4850315123");    // 10
//   ik.Check("390010-10000");      // true
#pragma once

#include <array>
#include <cstdint>
#include <tuple>

#include "schemes/general/legacy_weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class ElevenDigitPersonalCode : public LegacyWeightedSumNumber {
 public:
  // What the first digit says, by its value 0 to 9.
  struct FirstDigitMeaning {
    std::array<std::uint8_t, 10> century;
    std::array<std::int32_t, 10> gender;
  };

  const FieldValue& BirthDate() const { return birth_date_; }
  std::uint8_t Century() const { return century_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& SerialNumber() const { return serial_number_; }

 protected:
  ElevenDigitPersonalCode(const WeightedSumRule& rule, const FirstDigitMeaning& first_digit)
      : LegacyWeightedSumNumber(rule), first_digit_(&first_digit) {}

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  const FirstDigitMeaning* first_digit_;
  FieldValue birth_date_ = std::int16_t{0};
  std::uint8_t century_ = 0;
  std::int32_t gender_ = 0;
  FieldValue serial_number_ = std::int16_t{0};
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
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &AK::BirthDate}, Property{"Century", &AK::Century},
      Property{"CheckDigit", &AK::CheckDigit}, Property{"Gender", &AK::Gender},
      Property{"SerialNumber", &AK::SerialNumber}};
};

template <>
struct Descriptor<IK> {
  static constexpr std::string_view kName = "IK";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &IK::BirthDate}, Property{"Century", &IK::Century},
      Property{"CheckDigit", &IK::CheckDigit}, Property{"Gender", &IK::Gender},
      Property{"SerialNumber", &IK::SerialNumber}};
};

}  // namespace numerant
