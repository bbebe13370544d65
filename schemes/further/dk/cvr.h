// SPDX-License-Identifier: MIT
// dk.cvr: the Danish company register number (CVR), which is also the VAT
// number: eight digits, the first not 0. Weighted 2 7 6 5 4 3 2 1 they total a
// multiple of 11, so the check digit is 11 minus the remainder of the first
// seven; a remainder that asks for 10 is never issued.
//   DkCvr cvr;
//   cvr.Calculate("1358562");        // 8
//   cvr.Check("DK 13585628");        // true
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
class DkCvr final : public CheckDigitNumber<std::int16_t> {
 public:
  DkCvr();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<DkCvr> {
  static constexpr std::string_view kName = "dk.cvr";
  static constexpr std::string_view kDisplayName = "CVR (Denmark)";
  static constexpr std::string_view kDescription =
      "Danish company and VAT number, 8 digits; weights 2 7 6 5 4 3 2 1, modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DkCvr::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("13585628"),
      Valid("DK 13585628"),
      Calculates("1358562", "8"),
      Calculates("1000005", "10"),
      Invalid("DK 13585627", "check digit should be 8, not 7"),
      Invalid("10000057", "no check digit exists for this number"),
  };
  // Examples end
};

}  // namespace numerant
