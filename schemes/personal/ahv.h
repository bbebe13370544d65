// SPDX-License-Identifier: MIT
// AHV: the old eleven-digit Swiss social insurance number, NNN YY G DD S O C.
//
// A three-digit group for the surname, the birth year, a digit that gives the
// sex with the quarter of the birth date (1 to 4 men, 5 to 8 women), two day
// digits, a serial digit, an origin digit (0 to 4 for Swiss citizens) and a
// check digit: the ten digits weighted 5 4 3 2 7 6 5 4 3 2, and 11 minus the
// remainder of the sum modulo 11 (0 for remainder 0). A payload that leaves
// remainder 1 has no check digit at all: it computes -1 and no number with
// it is valid. The number is written with full stops; a hyphen is not
// removed and makes it invalid.
//   7823465201: 35 + 32 + 6 + 6 + 28 + 36 + 25 + 8 + 0 + 2 = 178 = 16 x 11 +
//   2, so 11 - 2 = 9.
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct AhvFields {
  FieldValue alphabet_group = std::int16_t{0};
  bool citizen = false;
  std::int32_t gender = 0;
  FieldValue quarter_day = std::int16_t{0};
  std::uint8_t serial_number = 0;
  FieldValue year = std::int16_t{0};
};

class AHV final : public WeightedSumNumber<AhvFields> {
 public:
  AHV();

  // The three digits of the surname's group.
  const FieldValue& AlphabetGroup() const { return fields().alphabet_group; }
  // Whether the origin digit is one of a Swiss citizen (0 to 4).
  bool Citizen() const { return fields().citizen; }
  std::int32_t Gender() const { return fields().gender; }
  // The two day digits after the sex digit.
  const FieldValue& QuarterDay() const { return fields().quarter_day; }
  // The serial digit as a number.
  std::uint8_t SerialNumber() const { return fields().serial_number; }
  // The two digits of the birth year.
  const FieldValue& Year() const { return fields().year; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<AHV> {
  static constexpr std::string_view kName = "AHV";
  static constexpr std::string_view kDescription =
      "Swiss old-age insurance number (11-digit form); modulo 11";
  static constexpr std::string_view kWrittenForm = "###.##.###.###";
  static constexpr std::tuple kProperties{Property{"AlphabetGroup", &AHV::AlphabetGroup},
                                          Property{"CheckDigit", &AHV::CheckDigit},
                                          Property{"Citizen", &AHV::Citizen},
                                          Property{"Gender", &AHV::Gender},
                                          Property{"QuarterDay", &AHV::QuarterDay},
                                          Property{"SerialNumber", &AHV::SerialNumber},
                                          Property{"Year", &AHV::Year}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("78234652019"),
      Valid("782.34.652.019"),
      Valid("78234652043", "Citizen=true"),
      // Gender 2, Citizen true
      Calculates(
          "782.34.652.01", "9",
          R"(AlphabetGroup="782" Citizen=true Gender=2 QuarterDay="52" SerialNumber=0 Year="34")"),
      // remainder 1
      Calculates("3564856112", "-1", "Citizen=true Gender=2 SerialNumber=1"),
      Calculates("3564856118", "9", "Citizen=false"),
      // The origin digit is read first, then the sex digit, the day and the
      // serial digit, and last the year.
      Calculates(
          "782346520A", "-1",
          R"(AlphabetGroup="782" Citizen=false Gender=0 QuarterDay=0 SerialNumber=0 Year=0)"),
      Calculates("78234X5201", "-1", R"(Citizen=true Gender=0 QuarterDay=0)"),
      Calculates("78234652X1", "-1", R"(Gender=2 QuarterDay="52" SerialNumber=0 Year=0)"),
      // hyphens stay
      Calculates("782-34-652-01", "-1", "AlphabetGroup=0"),
      Invalid("782-34-652-019", "11 digits expected, 14 typed"),
      Invalid("", "no number typed"),
      Invalid("782.34.X52.019", "the letter X cannot stand at place 8"),
      Invalid("356.48.561.120", "no check digit exists for this number"),
      Invalid("78234652018", "check digit should be 9, not 8"),
      // A value of -1 is matched by no character, not even "/", which stands at -1
      // from "0".
      Invalid("3564856112/", "the character \"/\" cannot stand at place 11"),
  };
  // Examples end
};

}  // namespace numerant
