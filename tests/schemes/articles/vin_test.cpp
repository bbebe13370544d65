#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

constexpr const char* kEmpty =
    "CheckDigit=\"\" CountryCode=\"\" EquipmentCodes=\"\" ManufacturerCode=\"\" PlantCode=\"\" "
    "SerialNumber=0 YearCode=\"\"";

TEST(VINTest, Calculate) {
  const Case cases[] = {
      {"VIN", "1M8GDM9AKP042788", "X",
       "CheckDigit=\"X\" CountryCode=\"1M\" EquipmentCodes=\"DM9A\" ManufacturerCode=\"8G\" "
       "PlantCode=\"P\" SerialNumber=\"042788\" YearCode=\"K\""},
      {"VIN", "1m8-gdm9a kp042788", "X"},
      {"VIN", "1111111111111111", "1"},
      {"VIN", " - ", "", kEmpty},
      // I, O and Q are not transliterated, yet the fields show the number.
      {"VIN", "1M8GDM9AKP0427Q8", "",
       "CheckDigit=\"\" CountryCode=\"1M\" EquipmentCodes=\"DM9A\" ManufacturerCode=\"8G\" "
       "PlantCode=\"P\" SerialNumber=\"0427Q8\" YearCode=\"K\""},
      {"VIN", "IM8GDM9AKP042788", ""},
      {"VIN", "1M8GDM9AKP04278O", ""},
      {"VIN", "1M8GDM9AKP0427.8", ""},
      {"VIN", "1M8GDM9AXKP042788", "", kEmpty},  // with its check character
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(VINTest, Check) {
  const Case cases[] = {
      {"VIN", "1M8GDM9AXKP042788", "valid"},
      {"VIN", "1m8gdm9axkp042788", "valid"},  // "x" matches "X"
      {"VIN", "1M8-GDM9A-X-KP042788", "valid"},
      {"VIN", "11111111111111111", "valid"},
      {"VIN", "1M8GDM9A0KP042788", "invalid"},
      // A matching ninth character does not save a stem with "O".
      {"VIN", "1M8GDM9AXKP04278O", "invalid"},
      {"VIN", "1M8GDM9AKP042788", "invalid", kEmpty},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(VINTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("VIN", "1M8GDM9AKP042788", "1M8GDM9AKP042788", kEmpty);
}

}  // namespace
}  // namespace numerant::testing
