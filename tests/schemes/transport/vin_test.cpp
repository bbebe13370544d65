// SPDX-License-Identifier: MIT
// VIN: the transliteration of every letter, the weight of every place, the
// six fields at their boundaries and the check character in the middle.
#include <cstddef>
#include <string>
#include <string_view>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(VinTest, Calculate) {
  ExpectCalculate({
      {"VIN", "1M8GDM9AKP042788", "X",
       R"(CountryCode="1M" ManufacturerCode="8G" EquipmentCodes="DM9A" YearCode="K" )"
       R"(PlantCode="P" SerialNumber="042788")"},
      // S counts 2: with 1 the sum would end in 6.
      {"VIN", "1M8GDM9AKS042788", "3"},
      // Sixteen different characters show where each field starts and ends.
      {"VIN", "ABCDEFGHJKLMNPRS", "5",
       R"(CountryCode="AB" ManufacturerCode="CD" EquipmentCodes="EFGH" YearCode="J" )"
       R"(PlantCode="K" SerialNumber="LMNPRS")"},
      {"VIN", "1m8gdm9a-kp 042788", "X"},
      // I, O and Q are not transliterated, yet the fields show the number.
      {"VIN", "1M8GDM9AKP0427Q8", "", R"(CheckDigit="" SerialNumber="0427Q8" YearCode="K")"},
      {"VIN", "1M8GDM9AKP04278_", ""},
      {"VIN", "1M8GDM9AXKP042788", "", R"(SerialNumber=0 CountryCode="")"},
  });
}

TEST(VinTest, EveryLetterAndEveryPlace) {
  // A character in front of fifteen zeros weighs 8, and 8 times each value
  // 1 to 9 leaves a different remainder modulo 11; "." marks I, O and Q.
  constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  constexpr std::string_view kLeading = "852X7419.852X7.1.652X741960852X74196";
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    const std::string payload = kLetters[i] + std::string(15, '0');
    const std::string expected = kLeading[i] == '.' ? "" : std::string(1, kLeading[i]);
    EXPECT_EQ(Create("VIN")->CalculateText(payload), expected) << payload;
  }
  // A single 1 among zeros gives its place's weight modulo 11.
  constexpr std::string_view kWeights = "8765432X98765432";
  for (std::size_t i = 0; i < kWeights.size(); ++i) {
    std::string payload(16, '0');
    payload[i] = '1';
    EXPECT_EQ(Create("VIN")->CalculateText(payload), std::string(1, kWeights[i])) << payload;
  }
}

TEST(VinTest, Check) {
  ExpectCheck({
      {"VIN", "1m8gdm9axkp042788", "valid", R"(CheckDigit="X" CountryCode="1M")"},
      {"VIN", "11111111111111111", "valid"},
      {"VIN", "1M8GDM9A0KP042788", "invalid", R"(CheckDigit="X")"},
      {"VIN", "1M8GDM9AXKP04278O", "invalid"},
      {"VIN", "1M8GDM9AKP042788X", "invalid"},  // the check character stands ninth
  });
}

TEST(VinTest, Explain) {
  ExpectExplain({
      {"VIN", " ", "no number typed"},
      {"VIN", "1M8GDM9AKP042788", "17 characters expected, 16 typed"},
      // Places count in the typed text, the check character and blanks included.
      {"VIN", "1M8 GDM9AXKP0427Q8", "the letter Q cannot stand at place 17"},
      {"VIN", "1M8GDM9A?KP042788", "the character \"?\" cannot stand at place 9"},
      {"VIN", "1m8gdm9a0kp042788", "check character should be X, not 0"},
  });
}

}  // namespace
}  // namespace numerant::testing
