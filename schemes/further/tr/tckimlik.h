// SPDX-License-Identifier: MIT
// tr.tckimlik: the Turkish identity number (T.C. Kimlik No).
//
// Eleven digits, the first not 0. The tenth is 7 times the sum of the
// digits in places 1, 3, 5, 7 and 9 less the sum of those in places 2, 4, 6
// and 8, modulo 10; the eleventh is the sum of the first ten modulo 10.
//   172917160: 7 x (1 + 2 + 1 + 1 + 0) - (7 + 9 + 7 + 6) = 6, then
//   34 + 6 = 40, so the check digits are 60.
//   TrTckimlik kimlik;
//   kimlik.Calculate("172917160");   // "60"
//   kimlik.Check("17291716060");     // true
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

// The check digits are "" until known, then two digits.
class TrTckimlik final : public CheckDigitNumber<std::string> {
 public:
  TrTckimlik();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<TrTckimlik> {
  static constexpr std::string_view kName = "tr.tckimlik";
  static constexpr std::string_view kDisplayName = "T.C. Kimlik No";
  static constexpr std::string_view kDescription =
      "Turkish identity number; two check digits from the odd and even places, modulo 10";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &TrTckimlik::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("17291716060"),
      Valid("10010405214"),
      Calculates("172917160", "60"),
      Invalid("07291716092", "the digit 0 cannot stand at place 1"),
      Invalid("17291716050", "check digits should be 60, not 50"),
  };
  // Examples end
};

}  // namespace numerant
