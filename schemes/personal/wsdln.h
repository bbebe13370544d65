// WSDLN: the Washington State driver's licence number, LLLLL F M YY C MD.
//
// Five characters of the last name padded with "*", the first and middle
// initials, a year code, the check digit, a month code and a day code. The
// check digit stands inside the number, at position 10. Every character
// counts a small value; the values are added and subtracted in turn, and the
// total modulo 10, taken from 0 to 9, is the check digit.
//   WSDLN wsdln;
//   wsdln.Calculate("SMITHJA55BG");   // 7: the licence without its check digit
//   wsdln.Check("smith-ja557-bg");    // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class WSDLN final : public CheckDigitNumber<std::int16_t> {
 public:
  WSDLN();

  const std::string& DayCode() const { return day_code_; }
  const std::string& FirstNameInitial() const { return first_name_initial_; }
  const std::string& LastName() const { return last_name_; }
  const std::string& MiddleNameInitial() const { return middle_name_initial_; }
  const std::string& MonthCode() const { return month_code_; }
  const FieldValue& YearCode() const { return year_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  // Takes the licence without its check digit.
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view body) override;
  void ResetFields() override;

  std::string day_code_;
  std::string first_name_initial_;
  std::string last_name_;
  std::string middle_name_initial_;
  std::string month_code_;
  FieldValue year_code_ = std::int16_t{0};
};

template <>
struct Descriptor<WSDLN> {
  static constexpr std::string_view kName = "WSDLN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &WSDLN::CheckDigit},
                                          Property{"DayCode", &WSDLN::DayCode},
                                          Property{"FirstNameInitial", &WSDLN::FirstNameInitial},
                                          Property{"LastName", &WSDLN::LastName},
                                          Property{"MiddleNameInitial", &WSDLN::MiddleNameInitial},
                                          Property{"MonthCode", &WSDLN::MonthCode},
                                          Property{"YearCode", &WSDLN::YearCode}};
};

}  // namespace numerant
