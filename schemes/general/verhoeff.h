// SPDX-License-Identifier: MIT
// Verhoeff: one decimal check digit from the dihedral group of order 10.
//
// It catches every single-digit error and every swap of adjacent digits, for
// payloads of any length:
//   Verhoeff v;
//   v.Calculate("236");   // 3
//   v.Check("2-3 6 3");   // true: blanks and hyphens are ignored
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

class Verhoeff final : public CheckDigitNumber<std::int16_t> {
 public:
  Verhoeff();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Verhoeff> {
  static constexpr std::string_view kName = "Verhoeff";
  static constexpr std::string_view kDescription =
      "Any string of digits; the Verhoeff scheme, which catches every single-digit error and every "
      "swap of neighbours";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Verhoeff::CheckDigit}};
};

}  // namespace numerant
