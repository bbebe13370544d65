// SPDX-License-Identifier: MIT
// INSZ: the Belgian national register number, YYMMDD SSS CC.
//
// The birth date, a three-digit serial whose parity gives the sex (odd for
// men) and two check digits: 97 minus the remainder of the nine-digit number
// modulo 97, from 01 to 97. The nine digits are taken as they stand, whatever
// the century of birth. Blanks, hyphens and full stops are removed.
//   850315123 = 8766135 x 97 + 28, so 97 - 28 = 69.
//   INSZ insz;
//   insz.Calculate("850315123");    // "69", SerialNumber "123", Gender 1
//   insz.Check("85.03.15-123.69");  // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct InszFields {
  FieldValue birth_date = std::int16_t{0};
  std::int32_t gender = 0;
  FieldValue serial_number = std::int16_t{0};
};

// The check digit is the integer -1 until check digits are known, then a
// text of two digits.
class INSZ final : public CheckDigitNumber<FieldValue, InszFields> {
 public:
  INSZ();

  // The integer 0 until a number is decoded, then its YYMMDD.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // 1 male, 2 female, 0 not decoded.
  std::int32_t Gender() const { return fields().gender; }
  // The integer 0 until a number is decoded, then its three serial digits.
  const FieldValue& SerialNumber() const { return fields().serial_number; }

 private:
  std::optional<FieldValue> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<INSZ> {
  static constexpr std::string_view kName = "INSZ";
  static constexpr std::string_view kDescription =
      "Belgian national register number: YYMMDD, serial; 97 minus the number modulo 97";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &INSZ::BirthDate}, Property{"CheckDigit", &INSZ::CheckDigit},
      Property{"Gender", &INSZ::Gender}, Property{"SerialNumber", &INSZ::SerialNumber}};
};

}  // namespace numerant
