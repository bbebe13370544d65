// SPDX-License-Identifier: MIT
// cl.rut: the Chilean RUT (of companies) and RUN (of persons) as people
// write them: a body of seven or eight digits, thousands dots, a hyphen and
// a check character, "12.531.909-2", "7.727.230-5", with "k" or "K".
//
// The body's digits are weighted 2 3 4 5 6 7 from the right, repeating; the
// check is 11 minus the remainder of the sum modulo 11, where 11 gives "0"
// and 10 gives "K".
//   12531909: 9x2 + 0x3 + 9x4 + 1x5 + 3x6 + 5x7 + 2x2 + 1x3 = 119 = 10 x 11
//   + 9, so 11 - 9 = 2.
//   ClRut rut;
//   rut.Calculate("12.531.909");   // "2"
//   rut.Check("10.626.628-k");     // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check character is "" until known, then a digit or "K".
class ClRut final : public CheckDigitNumber<std::string> {
 public:
  ClRut();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ClRut> {
  static constexpr std::string_view kName = "cl.rut";
  static constexpr std::string_view kDisplayName = "RUT/RUN";
  static constexpr std::string_view kDescription =
      "Chilean tax and national number as written, 7- or 8-digit body; modulo 11 with K";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::string_view kWrittenForm = "##.###.###-#|#.###.###-#";
  static constexpr std::string_view kCountryPrefix = "CL";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ClRut::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12.531.909-2"),
      Valid("7.727.230-5"),
      Valid("10.626.628-k"),
      Calculates("10.626.628", "K"),
      Invalid("12.531.909-3", "check character should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
