// SPDX-License-Identifier: MIT
// Luhn: one decimal check digit, modulus 10 with every second digit doubled,
// over a payload of decimal digits of any length.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"

namespace numerant {

class Luhn final : public CheckDigitNumber<std::int16_t> {
 public:
  Luhn();

  bool IsValid(std::string_view number) override;

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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("79927398713"),
      Valid("18"),
      Valid("7992 7398 713"),
      Valid("00"),
      Calculates("7992739871", "3"),
      Calculates("5", "9"),
      // leading zeros change nothing
      Calculates("0018", "2"),
      Calculates("4.1", "-1"),
      Invalid("0", "at least 2 digits expected, 1 typed"),
  };
  // Examples end
};

}  // namespace numerant
