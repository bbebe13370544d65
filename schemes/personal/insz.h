// SPDX-License-Identifier: MIT
// INSZ: the Belgian national register number, YYMMDD SSS CC.
//
// The birth date, a three-digit serial whose parity gives the sex (odd for
// men) and two check digits: 97 minus the remainder of the nine-digit number
// modulo 97, from 01 to 97. The nine digits are taken as they stand, whatever
// the century of birth. Blanks, hyphens and full stops are removed.
//   850315123 = 8766135 x 97 + 28, so 97 - 28 = 69.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo97_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct InszFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue serial_number = std::int16_t{0};
};

class INSZ final : public Modulo97Number<InszFields> {
 public:
  INSZ();

  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  // 1 male, 2 female, 0 not decoded.
  std::int32_t Gender() const { return fields().gender; }
  // The integer 0 until a number is decoded, then its three serial digits.
  const FieldValue& SerialNumber() const { return fields().serial_number; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<INSZ> {
  static constexpr std::string_view kName = "INSZ";
  static constexpr std::string_view kDescription =
      "Belgian national register number: YYMMDD, serial; 97 minus the number modulo 97";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &INSZ::BirthDate}, Property{"CheckDigit", &INSZ::CheckDigit},
      Property{"Gender", &INSZ::Gender}, Property{"SerialNumber", &INSZ::SerialNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("85031512369"),
      Valid("85.03.15-123.69"),
      // SerialNumber "123", Gender 1
      Calculates("850315123", "69", R"(BirthDate="850315" Gender=1 SerialNumber="123")"),
      Calculates("850315124", "68", "Gender=2"),
      // remainder 0
      Calculates("850315192", "97"),
      Calculates("000000096", "01"),
      // A slash or plus sign counts towards the length, not the value.
      Calculates("85/315123", "63", R"(BirthDate="85/315" SerialNumber="123")"),
      Calculates("85+315123", "63"),
      // The plus sign counts towards the nine characters but not the value:
      // 85035123 = 876650 x 97 + 73, and 97 - 73 = 24.
      Calculates("8503+5123", "24"),
      Calculates("85031A123", "-1", R"(BirthDate="85031A" Gender=1 SerialNumber="123")"),
      Calculates("8503151A3", "-1", R"(BirthDate="850315" Gender=0 SerialNumber=0)"),
      Invalid("85031512370", "check digits should be 69, not 70", R"(CheckDigit="69")"),
      Invalid("850315123+69", "11 digits expected, 12 typed"),
      Invalid(".", "no number typed"),
      Invalid("85031512", "11 digits expected, 8 typed"),
      Invalid("85.03.1A-123.69", "the letter A cannot stand at place 8"),
      Invalid("8503151X369", "the letter X cannot stand at place 8"),
  };
  // Examples end
};

}  // namespace numerant
