// PPS: the Irish personal public service number, seven digits and a check
// letter picked by the weighted sum of the digits modulo 23.
//   PPS pps;
//   pps.Calculate("1234567");   // "T"
//   pps.Check("1234567T");      // true; "1234567t" is not: the letter's case counts
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "" while no check letter is known.
class PPS final : public CheckDigitNumber<std::string> {
 public:
  PPS();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::string> ComputeCheckDigit(std::string_view stem) override;
};

template <>
struct Descriptor<PPS> {
  static constexpr std::string_view kName = "PPS";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PPS::CheckDigit}};
};

}  // namespace numerant
