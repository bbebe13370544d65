// SPDX-License-Identifier: MIT
// Luhn: one decimal check digit, modulus 10 with every second digit doubled,
// over a payload of decimal digits of any length.
//   Luhn luhn;
//   luhn.Calculate("7992739871");   // 3
//   luhn.Check("7992 7398 713");    // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

class Luhn final : public CheckDigitNumber<std::int16_t> {
 public:
  Luhn();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Luhn> {
  static constexpr std::string_view kName = "Luhn";
  static constexpr std::string_view kDescription =
      "Building block: the Luhn digit of any string of digits, which brings the sum of the digits, "
      "every second one from the right doubled and its digits added, to a multiple of 10";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Luhn::CheckDigit}};
};

}  // namespace numerant
