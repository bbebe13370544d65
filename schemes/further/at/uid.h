// SPDX-License-Identifier: MIT
// at.uid: the Austrian VAT number (Umsatzsteuer-Identifikationsnummer), "U"
// and eight digits, the last a check digit.
//
// The seven digits after the U are summed as Luhn sums them when the check
// digit stands one place further on: the 2nd, 4th and 6th count with the digit
// sum of their double. The check digit is 6 minus that sum, modulo 10.
//   U1331004: 1 + 6 + 3 + 2 + 0 + 0 + 4 = 16, so (6 - 16) mod 10 = 0.
//   AtUid uid;
//   uid.Calculate("U1358562");       // 7
//   uid.Check("AT U13585627");       // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class AtUid final : public CheckDigitNumber<std::int16_t> {
 public:
  AtUid();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<AtUid> {
  static constexpr std::string_view kName = "at.uid";
  static constexpr std::string_view kDisplayName = "UID (Austria)";
  static constexpr std::string_view kDescription =
      "Austrian VAT number, U and 8 digits; Luhn sum, 6 minus it modulo 10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &AtUid::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("U13585627"),
      Valid("AT U13585627"),
      Calculates("U1358562", "7"),
      Invalid("U13585626", "check digit should be 7, not 6"),
      Invalid("AT 13585627", "9 characters expected, 8 typed"),
  };
  // Examples end
};

}  // namespace numerant
