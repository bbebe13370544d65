// SPDX-License-Identifier: MIT
// VIN: the 17-character vehicle identification number. Its check character
// stands in the middle, ninth: the other 16 characters, letters
// transliterated to digits, are weighted 8 7 6 5 4 3 2 10 and 9 8 7 6 5 4 3 2
// and summed modulo 11, and a remainder of 10 is written "X".
//   1M8GDM9A.KP042788, with M = 4, G = 7, D = 4, A = 1, K = 2 and P = 7:
//   8+28+48+35+16+12+18+10+18+56+0+24+10+28+24+16 = 351 = 31 x 11 + 10: "X".
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

struct VinFields {
  std::string country_code;
  std::string equipment_codes;
  std::string manufacturer_code;
  std::string plant_code;
  // The integer 0 until a number is parsed, then its last six characters.
  FieldValue serial_number = std::int16_t{0};
  std::string year_code;
};

// The check digit is "0" to "9" or "X"; "" when none is known.
class VIN final : public CheckDigitNumber<std::string, VinFields> {
 public:
  VIN();

  const std::string& CountryCode() const { return fields().country_code; }
  const std::string& EquipmentCodes() const { return fields().equipment_codes; }
  const std::string& ManufacturerCode() const { return fields().manufacturer_code; }
  const std::string& PlantCode() const { return fields().plant_code; }
  const FieldValue& SerialNumber() const { return fields().serial_number; }
  const std::string& YearCode() const { return fields().year_code; }

 private:
  // Takes the 16 characters without the check character.
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<VIN> {
  static constexpr std::string_view kName = "VIN";
  static constexpr std::string_view kDescription =
      "Vehicle identification number; letters transliterated, weighted modulo 11, check character "
      "(X for 10) in 9th place";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &VIN::CheckDigit},
      Property{"CountryCode", &VIN::CountryCode},
      Property{"EquipmentCodes", &VIN::EquipmentCodes},
      Property{"ManufacturerCode", &VIN::ManufacturerCode},
      Property{"PlantCode", &VIN::PlantCode},
      Property{"SerialNumber", &VIN::SerialNumber},
      Property{"YearCode", &VIN::YearCode},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1M8GDM9AXKP042788"),
      Valid("1m8gdm9axkp042788", R"(CheckDigit="X" CountryCode="1M")"),
      Valid("11111111111111111"),
      // the number without its ninth character
      Calculates("1M8GDM9AKP042788", "X"),
      // S counts 2
      Calculates("1M8GDM9AKS042788", "3"),
      // Sixteen different characters show where each field starts and ends.
      Calculates("ABCDEFGHJKLMNPRS", "5",
                 R"(CountryCode="AB" ManufacturerCode="CD" EquipmentCodes="EFGH" YearCode="J" )"
                 R"(PlantCode="K" SerialNumber="LMNPRS")"),
      Calculates("1m8gdm9a-kp 042788", "X"),
      // Characters a VIN never holds still leave the fields read.
      Calculates("1M8GDM9AKP0427Q8", "", R"(CheckDigit="" SerialNumber="0427Q8" YearCode="K")"),
      Calculates("1M8GDM9AXKP042788", "", "SerialNumber=0"),
      Invalid("1M8GDM9A0KP042788", "check character should be X, not 0", R"(CheckDigit="X")"),
      // the check character stands ninth
      Invalid("1M8GDM9AKP042788X", "check character should be 9, not K"),
      // A VIN's places count the check character in the middle too.
      Invalid("1M8 GDM9AXKP0427Q8", "the letter Q cannot stand at place 17"),
      Invalid("1M8GDM9A?KP042788", "the character \"?\" cannot stand at place 9"),
      Invalid("1m8gdm9a0kp042788", "check character should be X, not 0"),
  };
  // Examples end
};

}  // namespace numerant
