// SPDX-License-Identifier: MIT
// Retail article numbers: `EAN` (EAN-13 and EAN-8) and `UPC` (UPC-A and the
// zero-suppressed UPC-E). The check digit is the Modulo10 digit: weight 3 on
// the rightmost payload digit, then 1 and 3 alternately to the left, and the
// digit that brings the sum up to a multiple of 10.
//   978030640615: 9+21+8+0+3+0+6+12+0+18+1+15 = 93, so the check digit is 7.
// Both split the number into number system, manufacturer and product; `UPC`
// also converts between its two forms.
//   upc.Convert("04252614");            // "042100005264"
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

  bool IsValid(std::string_view number) override;

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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("9780306406157"),
      Valid("96385074"),
      Valid("9638-5074", R"(NumberSystem="963" ManufacturerCode=-1)"),
      Calculates("978-0-306-40615", "7",
                 R"(NumberSystem="978" ManufacturerCode="0306" ProductCode="40615")"),
      Calculates("501234567890", "0",
                 R"(NumberSystem="50" ManufacturerCode="12345" ProductCode="67890")"),
      // EAN-8 has no manufacturer code.
      Calculates("9638507", "4", R"(NumberSystem="963" ManufacturerCode=-1 ProductCode="8507")"),
      Calculates("5012345", "2", R"(NumberSystem="50" ProductCode="12345")"),
      Calculates("40063813339A", "-1", R"(NumberSystem="400" ProductCode="3339A")"),
      Calculates("A01234567890", "-1", R"(NumberSystem="A0" ManufacturerCode="12345")"),
      Invalid("4006381333932", "check digit should be 1, not 2", "CheckDigit=1"),
      Invalid("", "no number typed"),
      Invalid("400638133393", "8 or 13 digits expected, 12 typed"),
      Invalid("40063813339A1", "the letter A cannot stand at place 12"),
  };
  // Examples end
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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("04252614"),
      Valid("036000291452"),
      Valid("04252614", R"(CheckDigit=4 ManufacturerCode="42100")"),
      // the check digit of 04210000526
      Calculates("0425261", "4"),
      Calculates("03600029145", "2",
                 R"(NumberSystem=0 ManufacturerCode="36000" ProductCode="29145")"),
      Calculates("13600029145", "9", "NumberSystem=1"),
      // A UPC-E payload is weighed and split as its expansion.
      Calculates("0425-2 61", "4", R"(ManufacturerCode="42100" ProductCode="00526")"),
      Calculates("A425261", "-1", R"(NumberSystem=0 ManufacturerCode="42100" ProductCode="00526")"),
      Calculates("042526A", "-1", R"(ManufacturerCode="" ProductCode="")"),
      Calculates("04252614", "-1", "ManufacturerCode=0"),
      Invalid("036000291453", "check digit should be 2, not 3", "CheckDigit=2"),
      // A UPC-E number's places count in the number as typed, not in its
      // expansion.
      Invalid("A4252614", "the letter A cannot stand at place 1"),
      Invalid("0425-26A4", "the letter A cannot stand at place 8"),
      Invalid("04252615", "check digit should be 4, not 5"),
  };
  // Examples end
};

}  // namespace numerant
