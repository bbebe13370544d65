// SPDX-License-Identifier: MIT
// HETU: the Finnish personal identity code, DDMMYY C ZZZ Q.
//
// The birth date, a century sign C ("+" for the 1800s, "-" for the 1900s, "A"
// for the 2000s), an individual number ZZZ, odd for men, and a check
// character Q: the nine digits DDMMYYZZZ read as one number, its remainder
// modulo 31 picking one of "0" to "9" and the letters but G, I, O, Q and Z.
// The hyphen is a century sign and so stays in the text; only blanks are
// removed, and nothing is upper-cased.
//   010100A123: 10100123 = 325810 x 31 + 13, and place 13 holds "D".
//   HETU hetu;
//   hetu.Calculate("010100A123");    // "D", Century 21, Gender 1
//   hetu.Check("150385-1230");       // true
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

struct HetuFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  std::int32_t gender = 0;
  FieldValue identification_number = std::int16_t{0};
};

// The check digit is one character, or "" while none is known.
class HETU final : public CheckDigitNumber<std::string, HetuFields> {
 public:
  HETU();

  // The integer 0 until a code is decoded, then its DDMMYY.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The ordinal century of the sign, 0 for an unknown sign.
  std::uint8_t Century() const { return fields().century; }
  std::int32_t Gender() const { return fields().gender; }
  // The three digits of the individual number.
  const FieldValue& IdentificationNumber() const { return fields().identification_number; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<HETU> {
  static constexpr std::string_view kName = "HETU";
  static constexpr std::string_view kDescription =
      "Finnish personal identity code DDMMYY, century sign (+ - A), individual number; check "
      "character by modulo 31";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &HETU::BirthDate}, Property{"Century", &HETU::Century},
      Property{"CheckDigit", &HETU::CheckDigit}, Property{"Gender", &HETU::Gender},
      Property{"IdentificationNumber", &HETU::IdentificationNumber}};
};

}  // namespace numerant
