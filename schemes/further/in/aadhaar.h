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
#include "core/example.h"
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
  static constexpr std::string_view kWrittenForm = "#### #### ####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &InAadhaar::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("2341 2341 2346"),
      Valid("298448863364"),
      Calculates("23412341234", "6"),
      // Verhoeff gives 2, and 200009900002 reads the same backwards.
      Calculates("20000990000", "-1"),
      // Verhoeff passes, but no number reads the same backwards.
      Invalid("200009900002", "no check digit exists for this number"),
      Invalid("134123412346", "the digit 1 cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
