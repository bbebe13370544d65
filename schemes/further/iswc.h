// SPDX-License-Identifier: MIT
// iswc: the International Standard Musical Work Code (ISO 15707): "T", nine
// digits and a check digit c = (10 - (1 + sum of i x d_i) mod 10) mod 10,
// the digits d_1 to d_9 weighted by their place.
//   T-034.524.680: 1 + 0 + 6 + 12 + 20 + 10 + 24 + 42 + 64 + 0 = 179, so 1.
//   Iswc iswc;
//   iswc.Calculate("T-034.524.680");   // 1
//   iswc.Check("T-034.524.680-1");     // true
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

// The check digit is 0 to 9, or -1 when none is known.
class Iswc final : public CheckDigitNumber<std::int16_t> {
 public:
  Iswc();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Iswc> {
  static constexpr std::string_view kName = "iswc";
  static constexpr std::string_view kDisplayName = "ISWC";
  static constexpr std::string_view kDescription =
      "International Standard Musical Work Code; digits weighted by place, plus 1, modulo 10";
  static constexpr std::string_view kArea = area::kPublishing;
  static constexpr std::string_view kWrittenForm = "#-###.###.###-#";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iswc::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("T-034.524.680-1"),
      Valid("T-011.618.240-1"),
      Invalid("T-034.524.680-2", "check digit should be 1, not 2"),
      Invalid("X-034.524.680-1", "the letter X cannot stand at place 1"),
      Calculates("T034524680", "1"),
  };
  // Examples end
};

}  // namespace numerant
