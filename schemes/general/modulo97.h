// SPDX-License-Identifier: MIT
// Modulo97: a two-digit check number from the remainder of the whole payload,
// read as one decimal number, divided by 97. Plain, the check number is the
// remainder itself ("00" to "96"); reversed, it is 97 minus the remainder
// ("01" to "97"): 123456789 gives "39" plain and "58" reversed.
#pragma once

#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo97_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is the integer -1 until a check number is known, then a
// text of two digits.
class Modulo97 final : public Modulo97Number<> {
 public:
  Modulo97();

  bool Reverse() const { return reverse_; }
  void SetReverse(bool newValue) { reverse_ = newValue; }
};

template <>
struct Descriptor<Modulo97> {
  static constexpr std::string_view kName = "Modulo97";
  static constexpr std::string_view kDescription =
      "Building block: two check digits, the remainder of any string of digits read as one number "
      "divided by 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Modulo97::CheckDigit},
                                          Property{"Reverse", &Modulo97::Reverse}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12345678939"),
      Valid("1234567890123456789003"),
      Valid("12+3/2 6"),
      Calculates("123456789", "39", R"(CheckDigit="39" Reverse=false)"),
      Calculates("1-2.3+4/5", "26"),
      // read exactly beyond 32 bits
      Calculates("2147483648", "66"),
      Calculates("1,5", "-1"),
      // "6" is not "06"
      Invalid("1236", "check digits should be 12, not 36"),
  };
  // Examples end
};

}  // namespace numerant
