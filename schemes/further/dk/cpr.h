// SPDX-License-Identifier: MIT
// dk.cpr: the Danish personal number as the CPR register defines it today,
// DDMMYY SSSS.
//
// The birth date must exist. The first of the four sequence digits and the
// year YY give the century: 0 to 3 the 1900s; 4 and 9 the 2000s for YY up
// to 36, else the 1900s; 5 to 8 the 2000s for YY up to 57, else the 1800s.
// The last digit is odd for men, even for women. Since October 2007 the
// register issues numbers that fail the modulus-11 test (weights 4 3 2 7 6
// 5 4 3 2 1), and declares them valid: the test decides nothing, and the
// field Modulus11 tells whether a number passes it. The number has no check
// character, so `Calculate` gives "" and `Complete` nothing.
//   DkCpr cpr;
//   cpr.Check("010180-1234");   // true, BirthDate "1980-01-01", Modulus11 false
//   cpr.Check("211062-5629");   // true, Modulus11 true
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

struct DkCprFields {
  FieldValue birth_date;
  FieldValue gender;
  bool modulus11 = false;
};

// No check character: the check digit stays "".
class DkCpr final : public CheckDigitNumber<std::string, DkCprFields> {
 public:
  DkCpr();

  // YYYY-MM-DD; nothing until a number is decoded.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // "male" or "female".
  const FieldValue& Gender() const { return fields().gender; }
  // Whether the number passes the modulus-11 test of the numbers issued
  // before October 2007.
  bool Modulus11() const { return fields().modulus11; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<DkCpr> {
  static constexpr std::string_view kName = "dk.cpr";
  static constexpr std::string_view kDisplayName = "CPR number";
  static constexpr std::string_view kDescription =
      "Danish personal number as the register defines it since 2007; no check digit";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "######-####";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &DkCpr::BirthDate},
      Property{"CheckDigit", &DkCpr::CheckDigit},
      Property{"Gender", &DkCpr::Gender},
      Property{"Modulus11", &DkCpr::Modulus11},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("010180-1234", R"(BirthDate="1980-01-01" Gender="female" Modulus11=false)"),
      Valid("211062-5629", R"(Modulus11=true)"),
      Calculates("0101801234", ""),
      Invalid("300280-1234", "no such date: 1980-02-30"),
  };
  // Examples end
};

}  // namespace numerant
