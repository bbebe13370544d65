// SPDX-License-Identifier: MIT
// VSNR: the German social insurance number, RR DDMMYY L SS C.
//
// A region, the birth date, the initial letter of the birth surname and a
// serial that gives the sex (00 to 49 men, 50 to 99 women). The letter stands
// for the two digits of its place in the alphabet (A 01 to Z 26); the twelve
// digits are weighted 2 1 2 5 7 1 2 1 2 1 2 1, the digit sums of the products
// are added, and the total modulo 10 is the check digit. Letters are
// upper-cased first.
//   15070649C10: 2 + 5 + 0 + (3+5) + 0 + 6 + 8 + 9, C = 03 gives 0 + 3, the
//   serial 2 + 0: 43, so 3.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct VsnrFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue region_code = std::int16_t{0};
  std::string registrant_letter;
};

class VSNR final : public CheckDigitNumber<std::int16_t, VsnrFields> {
 public:
  VSNR();

  // The integer 0 until a number is decoded, then its DDMMYY.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  std::int32_t Gender() const { return fields().gender; }
  const FieldValue& RegionCode() const { return fields().region_code; }
  // The initial of the birth surname, "" until decoded.
  const std::string& RegistrantLetter() const { return fields().registrant_letter; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<VSNR> {
  static constexpr std::string_view kName = "VSNR";
  static constexpr std::string_view kDescription =
      "German pension insurance number: region, DDMMYY, surname letter, serial giving the sex; "
      "weighted digit sums modulo 10";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &VSNR::BirthDate}, Property{"CheckDigit", &VSNR::CheckDigit},
      Property{"Gender", &VSNR::Gender}, Property{"RegionCode", &VSNR::RegionCode},
      Property{"RegistrantLetter", &VSNR::RegistrantLetter}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("15070649C103"),
      Valid("15 070649 c 103"),
      Valid("15-070649-C-10-3"),
      Calculates("15070649C10", "3",
                 R"(BirthDate="070649" Gender=1 RegionCode="15" RegistrantLetter="C")"),
      Calculates("15 070649-c 10", "3"),
      Calculates("12345678Z99", "7"),
      Calculates("53270172M53", "3"),
      // Serials from 50 on are women's.
      Calculates("12010150A49", "9", "Gender=1"),
      Calculates("12010150A50", "3", R"(BirthDate="010150" Gender=2 RegionCode="12")"),
      // The serial is read second, before the region and the letter.
      Calculates("15070649CX0", "-1",
                 R"(BirthDate="070649" Gender=0 RegionCode=0 RegistrantLetter="")"),
      Calculates("15070649110", "-1", R"(RegionCode="15" RegistrantLetter="1")"),
      Invalid("150706491103", "the digit 1 cannot stand at place 9"),
      Invalid("", "no number typed"),
      Invalid("15070649C10", "12 characters expected, 11 typed"),
      Invalid("15 070649 1 10 3", "the digit 1 cannot stand at place 11"),
      Invalid("15070649C1X3", "the letter X cannot stand at place 11"),
      Invalid("15070649c104", "check digit should be 3, not 4"),
  };
  // Examples end
};

}  // namespace numerant
