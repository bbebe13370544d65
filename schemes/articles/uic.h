// UIC: the twelve-digit railway wagon number. Eleven digits, weighted 2 and 1
// alternately from the right with the digit sum of each doubled digit, and a
// check digit that brings the total to a multiple of 10.
//   UIC uic;
//   uic.Calculate("21 81 2471 217");   // 3
//   uic.Check("21-81-2471-217-3");     // true
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "shell/field_value.h"
#include "shell/scheme.h"

namespace numerant {

class UIC {
 public:
  // The fields are the integer 0 until a number is parsed, then its digits.
  std::int16_t CheckDigit() const { return check_digit_; }
  const FieldValue& CountryCode() const { return country_code_; }
  const FieldValue& SerialNumber() const { return serial_number_; }
  const FieldValue& TypeCode() const { return type_code_; }
  const FieldValue& TypeNumber() const { return type_number_; }

  std::int16_t Calculate(std::string_view number);
  bool Check(std::string_view number);

 private:
  std::string Normalise(std::string_view number);
  // Takes the eleven digits before the check digit.
  bool Compute(std::string_view payload);

  std::int16_t check_digit_ = -1;
  FieldValue country_code_{std::int16_t{0}};
  FieldValue serial_number_{std::int16_t{0}};
  FieldValue type_code_{std::int16_t{0}};
  FieldValue type_number_{std::int16_t{0}};
};

template <>
struct Descriptor<UIC> {
  static constexpr std::string_view kName = "UIC";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &UIC::CheckDigit},     Property{"CountryCode", &UIC::CountryCode},
      Property{"SerialNumber", &UIC::SerialNumber}, Property{"TypeCode", &UIC::TypeCode},
      Property{"TypeNumber", &UIC::TypeNumber},
  };
};

}  // namespace numerant
