// SPDX-License-Identifier: MIT
// fi.alv: the Finnish VAT number (ALV-numero), the eight-digit business ID
// (Y-tunnus). The first seven digits weigh 7 9 10 5 8 4 2; the check digit is
// 11 minus the remainder modulo 11, 0 for a remainder of 0, and a remainder of
// 1 is never issued.
//   FiAlv alv;
//   alv.Calculate("2077474");        // 0
//   alv.Check("FI 20774740");        // true
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
class FiAlv final : public CheckDigitNumber<std::int16_t> {
 public:
  FiAlv();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<FiAlv> {
  static constexpr std::string_view kName = "fi.alv";
  static constexpr std::string_view kDisplayName = "ALV (Finland)";
  static constexpr std::string_view kDescription =
      "Finnish VAT number, the 8-digit business ID; weights 7 9 10 5 8 4 2, modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &FiAlv::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("20774740"),
      Valid("FI 20774740"),
      Calculates("2077474", "0"),
      Invalid("FI 20774741", "check digit should be 0, not 1"),
  };
  // Examples end
};

}  // namespace numerant
