// SPDX-License-Identifier: MIT
// Retail article numbers: `EAN` (EAN-13 and EAN-8) and `UPC` (UPC-A and the
// zero-suppressed UPC-E). The check digit is the Modulo10 digit: weight 3 on
// the rightmost payload digit, then 1 and 3 alternately to the left, and the
// digit that brings the sum up to a multiple of 10.
//   978030640615: 9+21+8+0+3+0+6+12+0+18+1+15 = 93, so the check digit is 7.
// Both split the number into number system, manufacturer and product; `UPC`
// also converts between its two forms.
//   EAN ean;
//   ean.Calculate("978-0-306-40615");   // 7; NumberSystem() == "978"
//   UPC upc;
//   upc.Calculate("0425261");           // 4, the check digit of 04210000526
//   upc.Convert("04252614");            // "042100005264"
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

struct EanFields {
  // The integer -1 for an EAN-8, which has no manufacturer code.
  FieldValue manufacturer_code = std::int16_t{0};
  FieldValue number_system = std::int16_t{0};
  FieldValue product_code = std::int16_t{0};
};

class EAN final : public CheckDigitNumber<std::int16_t, EanFields> {
 public:
  EAN();

  const FieldValue& ManufacturerCode() const { return fields().manufacturer_code; }
  const FieldValue& NumberSystem() const { return fields().number_system; }
  const FieldValue& ProductCode() const { return fields().product_code; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

struct UpcFields {
  FieldValue manufacturer_code = std::int16_t{0};
  std::uint8_t number_system = 0;
  FieldValue product_code = std::int16_t{0};
};

class UPC final : public CheckDigitNumber<std::int16_t, UpcFields> {
 public:
  UPC();

  const FieldValue& ManufacturerCode() const { return fields().manufacturer_code; }
  std::uint8_t NumberSystem() const { return fields().number_system; }
  const FieldValue& ProductCode() const { return fields().product_code; }

  // A UPC-E number (7 characters, or 8 with its check digit) in its UPC-A
  // form, or a UPC-A number (11 or 12) in its UPC-E form; a check digit is
  // carried over unchanged. "" when the number has no other form.
  std::string Convert(std::string_view number);

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<EAN> {
  static constexpr std::string_view kName = "EAN";
  static constexpr std::string_view kDescription =
      "EAN-13 and EAN-8 article numbers; weights 3 and 1, modulo 10";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &EAN::CheckDigit},
                                          Property{"ManufacturerCode", &EAN::ManufacturerCode},
                                          Property{"NumberSystem", &EAN::NumberSystem},
                                          Property{"ProductCode", &EAN::ProductCode}};
};

template <>
struct Descriptor<UPC> {
  static constexpr std::string_view kName = "UPC";
  static constexpr std::string_view kDescription =
      "UPC-A and zero-suppressed UPC-E article numbers; weights 3 and 1, modulo 10";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &UPC::CheckDigit},
                                          Property{"ManufacturerCode", &UPC::ManufacturerCode},
                                          Property{"NumberSystem", &UPC::NumberSystem},
                                          Property{"ProductCode", &UPC::ProductCode}};
};

}  // namespace numerant
