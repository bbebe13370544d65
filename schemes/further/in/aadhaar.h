// SPDX-License-Identifier: MIT
// in_.aadhaar: the Indian Aadhaar number of the Unique Identification
// Authority.
//
// Twelve digits, the first 2 to 9, the last the Verhoeff check digit of the
// eleven before it; no number reads the same backwards, so a payload whose
// check digit would make a palindrome has none.
//   234123412346: Verhoeff over 23412341234 gives 6.
//   InAadhaar aadhaar;
//   aadhaar.Calculate("23412341234");   // 6
//   aadhaar.Check("2341 2341 2346");    // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

class InAadhaar final : public CheckDigitNumber<std::int16_t> {
 public:
  InAadhaar();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<InAadhaar> {
  static constexpr std::string_view kName = "in_.aadhaar";
  static constexpr std::string_view kDisplayName = "Aadhaar";
  static constexpr std::string_view kDescription =
      "Indian Aadhaar number, first digit 2 to 9, no palindrome; Verhoeff check digit";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &InAadhaar::CheckDigit}};
};

}  // namespace numerant
