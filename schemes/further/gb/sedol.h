// SPDX-License-Identifier: MIT
// gb.sedol: the SEDOL number of the London Stock Exchange: six characters and
// a check digit. Digits count themselves and consonants 10 to 35 by their
// place in the alphabet (vowels are never used); the weights are 1 3 1 7 3 9
// and the check digit brings the total to a multiple of 10. Numbers issued
// before 2004 are all digits; since then they open with a letter.
//   B15KXQ: 11 + 3 + 5 + 7 x 20 + 3 x 33 + 9 x 26 = 492, so 8.
//   GbSedol sedol;
//   sedol.Calculate("B15KXQ");   // 8
//   sedol.Check("0263494");      // true
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
class GbSedol final : public CheckDigitNumber<std::int16_t> {
 public:
  GbSedol();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<GbSedol> {
  static constexpr std::string_view kName = "gb.sedol";
  static constexpr std::string_view kDisplayName = "SEDOL";
  static constexpr std::string_view kDescription =
      "London Stock Exchange securities number; weights 1 3 1 7 3 9, modulo 10, no vowels";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &GbSedol::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("B15KXQ8"),
      Valid("0016308"),
      Valid("0059585"),
      Invalid("B15KXQ7", "check digit should be 8, not 7"),
      Invalid("A15KXQ8", "the letter A cannot stand at place 1"),
      // A SEDOL that opens with a digit is one of the old, all-digit numbers.
      Invalid("0B5KXQ8", "the letter B cannot stand at place 2"),
      Calculates("B15KXQ", "8"),
      Calculates("B15KAQ", "-1"),
  };
  // Examples end
};

}  // namespace numerant
