// CPR and AHV: the Danish personal number and the old Swiss social insurance
// number, both with a weighted modulo-11 check digit of 11 minus the
// remainder. A body that leaves remainder 1 has no check digit at all: it
// computes -1, like malformed input, and no number with that body is valid.
//
// CPR  DDMMYY SSS C     the first sequence digit and the year give the century
// AHV  NNN YY GDD S O C  surname group, year, sex with quarter and day, serial,
//                        origin; written with full stops, never hyphens
//   CPR cpr;
//   cpr.Check("150385-4127");        // true
//   AHV ahv;
//   ahv.Check("782.34.652.019");     // true
#pragma once

#include <cstdint>
#include <tuple>

#include "schemes/general/legacy_weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class CPR final : public LegacyWeightedSumNumber {
 public:
  CPR();

  const FieldValue& BirthDate() const { return birth_date_; }
  std::uint8_t Century() const { return century_; }
  const FieldValue& SequenceNumber() const { return sequence_number_; }

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::uint8_t century_ = 0;
  FieldValue sequence_number_ = std::int16_t{0};
};

class AHV final : public LegacyWeightedSumNumber {
 public:
  AHV();

  const FieldValue& AlphabetGroup() const { return alphabet_group_; }
  bool Citizen() const { return citizen_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& QuarterDay() const { return quarter_day_; }
  std::uint8_t SerialNumber() const { return serial_number_; }
  const FieldValue& Year() const { return year_; }

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  FieldValue alphabet_group_ = std::int16_t{0};
  bool citizen_ = false;
  std::int32_t gender_ = 0;
  FieldValue quarter_day_ = std::int16_t{0};
  std::uint8_t serial_number_ = 0;
  FieldValue year_ = std::int16_t{0};
};

template <>
struct Descriptor<CPR> {
  static constexpr std::string_view kName = "CPR";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &CPR::BirthDate}, Property{"Century", &CPR::Century},
      Property{"CheckDigit", &CPR::CheckDigit}, Property{"SequenceNumber", &CPR::SequenceNumber}};
};

template <>
struct Descriptor<AHV> {
  static constexpr std::string_view kName = "AHV";
  static constexpr std::tuple kProperties{Property{"AlphabetGroup", &AHV::AlphabetGroup},
                                          Property{"CheckDigit", &AHV::CheckDigit},
                                          Property{"Citizen", &AHV::Citizen},
                                          Property{"Gender", &AHV::Gender},
                                          Property{"QuarterDay", &AHV::QuarterDay},
                                          Property{"SerialNumber", &AHV::SerialNumber},
                                          Property{"Year", &AHV::Year}};
};

}  // namespace numerant
