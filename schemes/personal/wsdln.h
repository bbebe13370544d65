// SPDX-License-Identifier: MIT
// WSDLN: the Washington State driver's licence number, LLLLL F M YY C MD.
//
// Five characters of the last name padded with "*", the first and middle
// initials, a year code, the check digit, a month code and a day code. The
// check digit stands inside the number, tenth. Every other character counts
// a small value: a digit its value, "*" 4, the letters by their place in the
// rows A-I (1 to 9), J-R (1 to 9) and S-Z (2 to 9). The values are added and
// subtracted in turn, and the total modulo 10, taken from 0 to 9 also for a
// negative total, is the check digit. Letters are upper-cased first.
//   SMITHJA55BG: 2 - 4 + 9 - 3 + 8 - 1 + 1 - 5 + 5 - 2 + 7 = 17, so 7.
//   WSDLN wsdln;
//   wsdln.Calculate("SMITHJA55BG");   // 7: the licence without its check digit
//   wsdln.Check("smith-ja557-bg");    // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct WsdlnFields {
  std::string day_code;
  std::string first_name_initial;
  std::string last_name;
  std::string middle_name_initial;
  std::string month_code;
  FieldValue year_code = std::int16_t{0};
};

class WSDLN final : public CheckDigitNumber<std::int16_t, WsdlnFields> {
 public:
  WSDLN();

  const std::string& DayCode() const { return fields().day_code; }
  const std::string& FirstNameInitial() const { return fields().first_name_initial; }
  // Five characters, padded with "*".
  const std::string& LastName() const { return fields().last_name; }
  const std::string& MiddleNameInitial() const { return fields().middle_name_initial; }
  const std::string& MonthCode() const { return fields().month_code; }
  // The integer 0 until a licence is decoded, then its two characters.
  const FieldValue& YearCode() const { return fields().year_code; }

 private:
  // Takes the licence without its check digit.
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<WSDLN> {
  static constexpr std::string_view kName = "WSDLN";
  static constexpr std::string_view kDescription =
      "Washington State driver's licence number built from name and birth data; check digit in "
      "10th place";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &WSDLN::CheckDigit},
                                          Property{"DayCode", &WSDLN::DayCode},
                                          Property{"FirstNameInitial", &WSDLN::FirstNameInitial},
                                          Property{"LastName", &WSDLN::LastName},
                                          Property{"MiddleNameInitial", &WSDLN::MiddleNameInitial},
                                          Property{"MonthCode", &WSDLN::MonthCode},
                                          Property{"YearCode", &WSDLN::YearCode}};
};

}  // namespace numerant
