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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("SMITHJA557BG"),
      Valid("AJAXZZZ115Z1"),
      Valid("smith-ja557-bg"),
      Valid("SMITH-JA557-BG"),
      // the licence without its check digit
      Calculates(
          "SMITHJA55BG", "7",
          R"(DayCode="G" FirstNameInitial="J" LastName="SMITH" MiddleNameInitial="A" MonthCode="B" YearCode="55")"),
      Calculates("smith-ja55 bg", "7"),
      Calculates("DOE**JM30BA", "2"),
      // Negative totals -5, -1 and -10 still give a digit from 0 to 9.
      Calculates("AJAXZZZ11Z1", "5"),
      Calculates("01000000000", "9"),
      Calculates("09010000000", "0"),
      Calculates("***********", "4"),
      Calculates("SMITHJA5.BG", "-1", R"(LastName="SMITH" YearCode="5." DayCode="G")"),
      // the check digit stands tenth
      Invalid("SMITHJA55BG7", "the letter B cannot stand at place 10"),
      Invalid("", "no number typed"),
      Invalid("SMITHJA55BG", "12 characters expected, 11 typed"),
      Invalid("SMITHJA5.7BG", "the character \".\" cannot stand at place 9"),
      Invalid("SMITHJA557B!", "the character \"!\" cannot stand at place 12"),
      Invalid("SMITHJA55XBG", "the letter X cannot stand at place 10"),
      Invalid("SMITHJA558BG", "check digit should be 7, not 8"),
  };
  // Examples end
};

}  // namespace numerant
