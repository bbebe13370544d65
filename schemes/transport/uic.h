// SPDX-License-Identifier: MIT
// UIC: the twelve-digit railway wagon number. Eleven digits and the Luhn
// check digit: from the right, every second digit starting with the
// rightmost is doubled and counts with the sum of its digits, the others
// count as they are, and the check digit brings the total to a multiple of 10.
//   21812471217: 4+1+7+1+4+4+5+1+4+1+5 = 37, so the check digit is 3.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The fields are the integer 0 until a number is parsed, then its digits.
struct UicFields {
  FieldValue country_code = std::int16_t{0};
  FieldValue serial_number = std::int16_t{0};
  FieldValue type_code = std::int16_t{0};
  FieldValue type_number = std::int16_t{0};
};

class UIC final : public LuhnNumber<UicFields> {
 public:
  UIC();

  const FieldValue& CountryCode() const { return fields().country_code; }
  const FieldValue& SerialNumber() const { return fields().serial_number; }
  const FieldValue& TypeCode() const { return fields().type_code; }
  const FieldValue& TypeNumber() const { return fields().type_number; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<UIC> {
  static constexpr std::string_view kName = "UIC";
  static constexpr std::string_view kDescription =
      "Railway wagon number; weights 2 and 1 with digit sums, modulo 10";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &UIC::CheckDigit},     Property{"CountryCode", &UIC::CountryCode},
      Property{"SerialNumber", &UIC::SerialNumber}, Property{"TypeCode", &UIC::TypeCode},
      Property{"TypeNumber", &UIC::TypeNumber},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("218124712173"),
      Valid("21-81-2471-217-3", R"(TypeNumber="2471")"),
      Calculates("21 81 2471 217", "3"),
      Calculates("12345678901", "5",
                 R"(TypeCode="12" CountryCode="34" TypeNumber="5678" SerialNumber="901")"),
      Calculates("2181247121a", "-1", R"(TypeCode="21" SerialNumber="21a")"),
      Calculates("21.81.2471.217", "-1"),
      Invalid("21812471217", "12 digits expected, 11 typed"),
      Invalid("21-81-2471-21a-3", "the letter a cannot stand at place 14"),
  };
  // Examples end
};

}  // namespace numerant
