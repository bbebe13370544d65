// UIC: the twelve-digit railway wagon number. Eleven digits, weighted 2 and 1
// alternately from the right with the digit sum of each doubled digit, and a
// check digit that brings the total to a multiple of 10: the Luhn digit,
// worked out by a private Luhn object.
//   UIC uic;
//   uic.Calculate("21 81 2471 217");   // 3
//   uic.Check("21-81-2471-217-3");     // true
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>

#include "schemes/general/code_on_block.h"
#include "schemes/general/luhn.h"
#include "core/alternating_weights.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

class UIC final : public CodeOnBlock<Luhn> {
 public:
  // The fields are the integer 0 until a number is parsed, then its digits.
  const FieldValue& CountryCode() const { return country_code_; }
  const FieldValue& SerialNumber() const { return serial_number_; }
  const FieldValue& TypeCode() const { return type_code_; }
  const FieldValue& TypeNumber() const { return type_number_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length == 11; }
  void ResetFields() override;
  bool Prepare(std::string& payload) override;

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
