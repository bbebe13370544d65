// SPDX-License-Identifier: MIT
// Modulo10: one decimal check digit of the weighted modulus-10 formula with
// the alternating weights 3 and 1, the rightmost payload digit weighted 3 (the
// formula of the EAN and UPC article numbers), over a payload of decimal
// digits of any length.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"

namespace numerant {

class Modulo10 final : public CheckDigitNumber<std::int16_t> {
 public:
  Modulo10();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Modulo10> {
  static constexpr std::string_view kName = "Modulo10";
  static constexpr std::string_view kDescription =
      "Building block: the check digit of any string of digits with weights 3 and 1 from the "
      "right, modulo 10, as in an EAN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Modulo10::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("4006381333931"),
      Valid("55"),
      Valid("4006-3813-3393 1"),
      Calculates("400638133393", "1"),
      // the rightmost digit weighs 3
      Calculates("12", "3"),
      Calculates("05", "5"),
      Invalid("4006381333932", "check digit should be 1, not 2"),
  };
  // Examples end
};

}  // namespace numerant
