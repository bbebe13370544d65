// SPDX-License-Identifier: MIT
// CPF: the Brazilian taxpayer number, nine digits and two check digits.
//
// The first check digit weighs the nine digits 10 9 8 7 6 5 4 3 2, the second
// weighs them 11 10 9 8 7 6 5 4 3 and the first check digit 2; each takes 11
// minus the remainder of its sum modulo 11, and 0 for remainders 0 and 1.
// Blanks, hyphens and full stops are removed.
//   123456789: 10 + 18 + 24 + 28 + 30 + 30 + 28 + 24 + 18 = 210, remainder
//   1, so 0; then 0 + 11 + 20 + 27 + 32 + 35 + 36 + 35 + 32 + 27 = 255,
//   remainder 2, so 9.
#pragma once

#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is the integer -1 until computed, then two digits ("09").
class CPF final : public CheckDigitNumber<FieldValue> {
 public:
  CPF();

 private:
  std::optional<FieldValue> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<CPF> {
  static constexpr std::string_view kName = "CPF";
  static constexpr std::string_view kDescription =
      "Brazilian taxpayer number; two check digits, each modulo 11";
  static constexpr std::string_view kWrittenForm = "###.###.###-##";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &CPF::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12345678909"),
      Valid("123.456.789-09"),
      Calculates("123.456.789", "09"),
      Calculates("123.456 789", "09", R"(CheckDigit="09")"),
      Calculates("111444777", "35"),
      Calculates("000000000", "00"),
      // a slash is not removed
      Calculates("123/456/789", "-1"),
      Invalid("12345678908", "check digits should be 09, not 08", R"(CheckDigit="09")"),
      Invalid("", "no number typed"),
      Invalid("1234567890", "11 digits expected, 10 typed"),
      Invalid("123.456.78X-09", "the letter X cannot stand at place 11"),
      Invalid("123.456.789-08", "check digits should be 09, not 08"),
  };
  // Examples end
};

}  // namespace numerant
