// SPDX-License-Identifier: MIT
// Damm: one decimal check digit from a totally anti-symmetric quasigroup of
// order 10, over digits of any length; it catches every single-digit error
// and every swap of neighbours.
//   Damm damm;
//   damm.Calculate("572");   // 4
//   damm.Check("5724");      // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

class Damm final : public CheckDigitNumber<std::int16_t> {
 public:
  Damm();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Damm> {
  static constexpr std::string_view kName = "damm";
  static constexpr std::string_view kDisplayName = "Damm";
  static constexpr std::string_view kDescription =
      "Building block: the Damm check digit of any string of digits, which catches every "
      "single-digit error and every swap of neighbours";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Damm::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("5724"),
      Valid("438812345679"),
      Invalid("5723", "check digit should be 4, not 3"),
      Calculates("572", "4"),
      Invalid("5742", "check digit should be 3, not 2"),
  };
  // Examples end
};

}  // namespace numerant
