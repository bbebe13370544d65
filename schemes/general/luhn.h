// Luhn: one decimal check digit, modulus 10 with every second digit doubled,
// over a payload of decimal digits of any length. A building block of the
// payment card, company and personal numbers.
//   Luhn luhn;
//   luhn.Calculate("7992739871");   // 3
//   luhn.Check("7992 7398 713");    // true
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "schemes/general/alternating_weight_number.h"
#include "core/scheme.h"

namespace numerant {

// The digit sum of a doubled digit: (n mod 10) + (n div 10). For 0 to 18 this
// is the sum of the decimal digits; from 100 on it is this formula and no
// more (123 gives 3 + 12 = 15).
constexpr std::uint8_t DigitSum(std::uint8_t n) noexcept {
  return static_cast<std::uint8_t>(n % 10 + n / 10);
}

class Luhn final : public AlternatingWeightNumber {
 public:
  Luhn();
};

template <>
struct Descriptor<Luhn> {
  static constexpr std::string_view kName = "Luhn";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Luhn::CheckDigit}};
};

}  // namespace numerant
