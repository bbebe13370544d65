// SPDX-License-Identifier: MIT
// MRN: a code of any length followed by a check digit worked out in the Luhn
// manner, except that no character is refused: each counts with its code
// minus the code of "0", so the letters (upper-cased) count 17 ("A") to 42
// ("Z"). From the right, the last payload character and every second one
// before it count doubled, 2v - 9 (v div 5), which for a digit is the digit
// sum of its double; the check digit brings the total up to a multiple of 10.
// AB12: A 17, B 18 doubled to 9, 1, 2 doubled to 4 make 31, so 9.
//   MRN mrn;
//   mrn.Calculate("7992739871");   // 3, the Luhn digit
//   mrn.Calculate("ab-12");        // 9, as AB12
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

class MRN final : public CheckDigitNumber<std::int16_t> {
 public:
  MRN();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<MRN> {
  static constexpr std::string_view kName = "MRN";
  static constexpr std::string_view kDescription =
      "Medical record number of any length, letters allowed; Luhn-like, letters counting 17 to 42";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &MRN::CheckDigit}};
};

}  // namespace numerant
