// VIN: the 17-character vehicle identification number. Its check character
// stands in the middle, at position 9: the other 16 characters, letters
// transliterated to digits, are weighted and summed modulo 11, and 10 is
// written "X".
//   VIN vin;
//   vin.Check("1M8GDM9AXKP042788");     // true
//   vin.Calculate("1M8GDM9AKP042788");  // "X": the number without its ninth character
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "0" to "9" or "X"; "" when none is known.
class VIN final : public CheckDigitNumber<std::string> {
 public:
  VIN();

  const std::string& CountryCode() const { return country_code_; }
  const std::string& EquipmentCodes() const { return equipment_codes_; }
  const std::string& ManufacturerCode() const { return manufacturer_code_; }
  const std::string& PlantCode() const { return plant_code_; }
  // The integer 0 until a number is parsed, then its last six characters.
  const FieldValue& SerialNumber() const { return serial_number_; }
  const std::string& YearCode() const { return year_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  // Takes the 16 characters without the check character.
  std::optional<std::string> ComputeCheckDigit(std::string_view stem) override;
  void ResetFields() override;

  std::string country_code_;
  std::string equipment_codes_;
  std::string manufacturer_code_;
  std::string plant_code_;
  FieldValue serial_number_{std::int16_t{0}};
  std::string year_code_;
};

template <>
struct Descriptor<VIN> {
  static constexpr std::string_view kName = "VIN";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &VIN::CheckDigit},
      Property{"CountryCode", &VIN::CountryCode},
      Property{"EquipmentCodes", &VIN::EquipmentCodes},
      Property{"ManufacturerCode", &VIN::ManufacturerCode},
      Property{"PlantCode", &VIN::PlantCode},
      Property{"SerialNumber", &VIN::SerialNumber},
      Property{"YearCode", &VIN::YearCode},
  };
};

}  // namespace numerant
