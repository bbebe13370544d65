// SPDX-License-Identifier: MIT
// Modulo97: a two-digit check number from the remainder of the whole payload,
// read as one decimal number, divided by 97. Plain, the check number is the
// remainder itself ("00" to "96"); reversed, it is 97 minus the remainder
// ("01" to "97").
//   Modulo97 modulo97;
//   modulo97.Calculate("123456789");   // "39"
//   modulo97.SetReverse(true);
//   modulo97.Calculate("123.456.789");  // "58"
#pragma once

#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is the integer -1 until a check number is known, then a
// text of two digits.
class Modulo97 final : public CheckDigitNumber<FieldValue> {
 public:
  Modulo97();

  bool Reverse() const { return reverse_; }
  void SetReverse(bool newValue) { reverse_ = newValue; }

 private:
  std::optional<FieldValue> ComputeCheckDigit(std::string_view payload) override;

  bool reverse_ = false;
};

template <>
struct Descriptor<Modulo97> {
  static constexpr std::string_view kName = "Modulo97";
  static constexpr std::string_view kDescription =
      "Building block: two check digits, the remainder of any string of digits read as one number "
      "divided by 97";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Modulo97::CheckDigit},
                                          Property{"Reverse", &Modulo97::Reverse}};
};

}  // namespace numerant
