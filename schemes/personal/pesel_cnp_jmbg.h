// SPDX-License-Identifier: MIT
// PESEL, CNP and JMBG: the all-digit personal numbers of Poland, Romania and
// the former Yugoslavia. Each digit of the payload is weighted by its place,
// and the remainder of the sum picks the check digit from a table.
//
// PESEL  YYMMDD ZZZS C      weights 1 3 7 9 1 3 7 9 1 3, modulo 10, check
//                           digit (10 - r) mod 10; S odd for men
//   8503151234: 8 + 15 + 0 + 27 + 1 + 15 + 7 + 18 + 3 + 12 = 106, so 4.
// CNP    G YYMMDD JJ NNN C  weights 2 7 9 1 4 6 3 5 8 2 7 9, modulo 11, the
//                           remainder itself, 10 written 1; G gives sex and
//                           century, JJ is the county
//   185031512345: 2 + 56 + 45 + 0 + 12 + 6 + 15 + 5 + 16 + 6 + 28 + 45 = 236
//   = 21 x 11 + 5, so 5.
// JMBG   DDMMYYY RR BBB C   weights 7 6 5 4 3 2 7 6 5 4 3 2, modulo 11,
//                           11 - r, remainders 0 and 1 give 0; RR is the
//                           political region, BBB below 500 for men
//   150398571012: 7 + 30 + 0 + 12 + 27 + 16 + 35 + 42 + 5 + 0 + 3 + 4 = 181
//   = 16 x 11 + 5, so 11 - 5 = 6.
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct PeselFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue identification_number = std::int16_t{0};
};

class PESEL final : public WeightedSumNumber<PeselFields> {
 public:
  PESEL();

  // The integer 0 until a number is decoded, then its YYMMDD as written,
  // the month with its century offset.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  std::int32_t Gender() const { return fields().gender; }
  // The first three serial digits; the fourth gives the sex.
  const FieldValue& IdentificationNumber() const { return fields().identification_number; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

struct CnpFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  FieldValue county_code = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue serial_number = std::int16_t{0};
};

class CNP final : public WeightedSumNumber<CnpFields> {
 public:
  CNP();

  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  // The ordinal century: 20 for births from 1900 to 1999.
  std::uint8_t Century() const { return fields().century; }
  const FieldValue& CountyCode() const { return fields().county_code; }
  std::int32_t Gender() const { return fields().gender; }
  const FieldValue& SerialNumber() const { return fields().serial_number; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

struct JmbgFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue political_region_code = std::int16_t{0};
};

class JMBG final : public WeightedSumNumber<JmbgFields> {
 public:
  JMBG();

  // DDMMYYY: seven characters, the year without its thousands.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  std::int32_t Gender() const { return fields().gender; }
  const FieldValue& PoliticalRegionCode() const { return fields().political_region_code; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<PESEL> {
  static constexpr std::string_view kName = "PESEL";
  static constexpr std::string_view kDescription =
      "Polish personal number: YYMMDD, serial whose last digit gives the sex; weighted modulo 10";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &PESEL::BirthDate}, Property{"CheckDigit", &PESEL::CheckDigit},
      Property{"Gender", &PESEL::Gender},
      Property{"IdentificationNumber", &PESEL::IdentificationNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("85031512344"),
      Valid("850315 12344"),
      Valid("850315 123-44"),
      Calculates("85-0315 1234", "4", R"(BirthDate="850315" Gender=2 IdentificationNumber="123")"),
      Calculates("4405140135", "9"),
      Calculates("850315123A", "-1", R"(BirthDate="850315" Gender=0 IdentificationNumber=0)"),
      Calculates("85031512X4", "-1", R"(BirthDate="850315" Gender=2 IdentificationNumber="12X")"),
      Invalid("85031512345", "check digit should be 4, not 5", "CheckDigit=4"),
      Invalid("", "no number typed"),
      Invalid("850315123445", "11 digits expected, 12 typed"),
      Invalid("850315123A4", "the letter A cannot stand at place 10"),
  };
  // Examples end
};

template <>
struct Descriptor<CNP> {
  static constexpr std::string_view kName = "CNP";
  static constexpr std::string_view kDescription =
      "Romanian personal numeric code: sex and century, YYMMDD, county, serial; weighted modulo 11";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &CNP::BirthDate},   Property{"Century", &CNP::Century},
      Property{"CheckDigit", &CNP::CheckDigit}, Property{"CountyCode", &CNP::CountyCode},
      Property{"Gender", &CNP::Gender},         Property{"SerialNumber", &CNP::SerialNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1850315123455"),
      // Century 20, CountyCode "12"
      Calculates("185031512345", "5",
                 R"(BirthDate="850315" Century=20 CountyCode="12" Gender=1 SerialNumber="345")"),
      // remainder 10
      Calculates("185031512348", "1"),
      // remainder 1
      Calculates("602041040008", "1"),
      Calculates("296120300123", "6"),
      Calculates("X85031512345", "-1",
                 R"(BirthDate="850315" Century=0 CountyCode=0 Gender=0 SerialNumber=0)"),
      Invalid("1850315X23455", "the letter X cannot stand at place 8"),
      Invalid("1850315123456", "check digit should be 5, not 6"),
  };
  // Examples end
};

template <>
struct Descriptor<JMBG> {
  static constexpr std::string_view kName = "JMBG";
  static constexpr std::string_view kDescription =
      "Unique master citizen number of the former Yugoslavia: DDMMYYY, region, serial; weighted "
      "modulo 11";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &JMBG::BirthDate}, Property{"CheckDigit", &JMBG::CheckDigit},
      Property{"Gender", &JMBG::Gender},
      Property{"PoliticalRegionCode", &JMBG::PoliticalRegionCode}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1503985710126"),
      Valid("1503985710240"),
      Calculates("150398571012", "6", R"(BirthDate="1503985" Gender=1 PoliticalRegionCode="71")"),
      // remainder 1
      Calculates("150398571024", "0"),
      // remainder 0
      Calculates("150398571015", "0"),
      // remainder 10
      Calculates("010199071009", "1"),
      // Serials from 500 on are women's.
      Calculates("150398571499", "7", "Gender=1"),
      Calculates("150398571500", "4", "Gender=2"),
      Calculates("1503985710A2", "-1", R"(BirthDate="1503985" Gender=0 PoliticalRegionCode=0)"),
      Invalid("150398571024O", "the letter O cannot stand at place 13"),
      Invalid("15039857 10A26", "the letter A cannot stand at place 12"),
  };
  // Examples end
};

}  // namespace numerant
