// SPDX-License-Identifier: MIT
// OPC: a 10-digit optical product code, five digits of manufacturer, four of
// product and the Luhn check digit: the rightmost payload digit and every
// second one to its left are doubled and count with the sum of their digits,
// and the check digit brings the total up to a multiple of 10.
//   123456789: 2+2+6+4+1+6+5+8+9 = 43, so the check digit is 7.
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

struct OpcFields {
  FieldValue manufacturer_code = std::int16_t{0};
  FieldValue product_code = std::int16_t{0};
};

class OPC final : public LuhnNumber<OpcFields> {
 public:
  OPC();

  const FieldValue& ManufacturerCode() const { return fields().manufacturer_code; }
  const FieldValue& ProductCode() const { return fields().product_code; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<OPC> {
  static constexpr std::string_view kName = "OPC";
  static constexpr std::string_view kDescription =
      "Optical product code: manufacturer and product; Luhn";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &OPC::CheckDigit},
                                          Property{"ManufacturerCode", &OPC::ManufacturerCode},
                                          Property{"ProductCode", &OPC::ProductCode}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1234567897"),
      Valid("12345-6789-7", R"(ManufacturerCode="12345")"),
      Calculates("123456789", "7", R"(ManufacturerCode="12345" ProductCode="6789")"),
      Calculates("12345678A", "-1", R"(ManufacturerCode="12345" ProductCode="678A")"),
      Invalid("12345-6789-8", "check digit should be 7, not 8"),
  };
  // Examples end
};

}  // namespace numerant
