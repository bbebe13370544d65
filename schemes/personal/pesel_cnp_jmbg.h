// PESEL, CNP and JMBG: the all-digit personal numbers of Poland, Romania and
// the former Yugoslavia, whose check digit is a weighted digit sum mapped
// through a fixed remainder table.
//
// PESEL  YYMMDD ZZZS C      sum modulo 10, check digit (10 - r) mod 10
// CNP    S YYMMDD JJ NNN C  sum modulo 11, remainder 10 gives 1
// JMBG   DDMMYYY RR BBB C   sum modulo 11, remainders 0 and 1 give 0
//   CNP cnp;
//   cnp.Calculate("185031512345");   // 5, Century 20, CountyCode "12"
//   PESEL pesel;
//   pesel.Check("850315 12344");     // true
#pragma once

#include <cstdint>
#include <tuple>

#include "schemes/general/legacy_weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class PESEL final : public LegacyWeightedSumNumber {
 public:
  PESEL();

  const FieldValue& BirthDate() const { return birth_date_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& IdentificationNumber() const { return identification_number_; }

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::int32_t gender_ = 0;
  FieldValue identification_number_ = std::int16_t{0};
};

class CNP final : public LegacyWeightedSumNumber {
 public:
  CNP();

  const FieldValue& BirthDate() const { return birth_date_; }
  std::uint8_t Century() const { return century_; }
  const FieldValue& CountyCode() const { return county_code_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& SerialNumber() const { return serial_number_; }

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::uint8_t century_ = 0;
  FieldValue county_code_ = std::int16_t{0};
  std::int32_t gender_ = 0;
  FieldValue serial_number_ = std::int16_t{0};
};

class JMBG final : public LegacyWeightedSumNumber {
 public:
  JMBG();

  const FieldValue& BirthDate() const { return birth_date_; }
  std::int32_t Gender() const { return gender_; }
  const FieldValue& PoliticalRegionCode() const { return political_region_code_; }

 private:
  void ResetFields() override;
  bool DecodeFields(std::string_view body) override;

  FieldValue birth_date_ = std::int16_t{0};
  std::int32_t gender_ = 0;
  FieldValue political_region_code_ = std::int16_t{0};
};

template <>
struct Descriptor<PESEL> {
  static constexpr std::string_view kName = "PESEL";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &PESEL::BirthDate}, Property{"CheckDigit", &PESEL::CheckDigit},
      Property{"Gender", &PESEL::Gender},
      Property{"IdentificationNumber", &PESEL::IdentificationNumber}};
};

template <>
struct Descriptor<CNP> {
  static constexpr std::string_view kName = "CNP";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &CNP::BirthDate},   Property{"Century", &CNP::Century},
      Property{"CheckDigit", &CNP::CheckDigit}, Property{"CountyCode", &CNP::CountyCode},
      Property{"Gender", &CNP::Gender},         Property{"SerialNumber", &CNP::SerialNumber}};
};

template <>
struct Descriptor<JMBG> {
  static constexpr std::string_view kName = "JMBG";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &JMBG::BirthDate}, Property{"CheckDigit", &JMBG::CheckDigit},
      Property{"Gender", &JMBG::Gender},
      Property{"PoliticalRegionCode", &JMBG::PoliticalRegionCode}};
};

}  // namespace numerant
