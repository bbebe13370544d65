// SPDX-License-Identifier: MIT
// ch.ssn: the Swiss social security number AHV-13 (AVS, OASI), the
// successor of the eleven-digit AHV: 756.xxxx.xxxx.xc, the prefix 756, nine
// digits that say nothing of the person, and the EAN-13 check digit.
//   756921707698: the EAN-13 weights 1 3 1 3 ... give 115, so 5.
//   ChSsn ssn;
//   ssn.Calculate("756.9217.0769.8");   // 5
//   ssn.Check("756.9217.0769.85");      // true
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
class ChSsn final : public CheckDigitNumber<std::int16_t> {
 public:
  ChSsn();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ChSsn> {
  static constexpr std::string_view kName = "ch.ssn";
  static constexpr std::string_view kDisplayName = "AHV-13";
  static constexpr std::string_view kDescription =
      "Swiss social security number 756.xxxx.xxxx.xx, the successor of AHV; EAN-13 check digit";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "###.####.####.##";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ChSsn::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("756.9217.0769.85"),
      Calculates("756.9217.0769.8", "5"),
      Invalid("757.9217.0769.85", "the digit 7 cannot stand at place 3"),
  };
  // Examples end
};

}  // namespace numerant
