// SPDX-License-Identifier: MIT
// hu.anum: the Hungarian VAT number (ANUM), eight digits. The first seven
// weigh 9 7 3 1 9 7 3, and the check digit brings the total to a multiple of
// 10.
//   HuAnum anum;
//   anum.Calculate("1289231");       // 2
//   anum.Check("HU-12892312");       // true
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
class HuAnum final : public CheckDigitNumber<std::int16_t> {
 public:
  HuAnum();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<HuAnum> {
  static constexpr std::string_view kName = "hu.anum";
  static constexpr std::string_view kDisplayName = "ANUM (Hungary)";
  static constexpr std::string_view kDescription =
      "Hungarian VAT number, 8 digits; weights 9 7 3 1, modulo 10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &HuAnum::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12892312"),
      Valid("HU-12892312"),
      Calculates("1289231", "2"),
      Invalid("HU-12892313", "check digit should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
