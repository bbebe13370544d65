// SPDX-License-Identifier: MIT
// ACL: a 13-digit article code, a four-digit prefix, a one-digit category
// and a check digit by the Modulo10 rule: weight 3 on the rightmost of the
// twelve payload digits, then 1 and 3 alternately to the left, and the digit
// that brings the sum up to a multiple of 10.
//   340156000000: 3+12+0+3+5+18+0+0+0+0+0+0 = 41, so the check digit is 9.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/modulo10_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct AclFields {
  std::uint8_t category_code = 0;
  FieldValue prefix_code = std::int16_t{0};
};

class ACL final : public Modulo10Number<AclFields> {
 public:
  ACL();

  std::uint8_t CategoryCode() const { return fields().category_code; }
  const FieldValue& PrefixCode() const { return fields().prefix_code; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<ACL> {
  static constexpr std::string_view kName = "ACL";
  static constexpr std::string_view kDescription =
      "French article code for pharmacy products (13 digits, built like an EAN-13); weights 3 and "
      "1, modulo 10";
  static constexpr std::tuple kProperties{Property{"CategoryCode", &ACL::CategoryCode},
                                          Property{"CheckDigit", &ACL::CheckDigit},
                                          Property{"PrefixCode", &ACL::PrefixCode}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("3401560000009"),
      Valid("3401-5600 0000 9"),
      Calculates("340156000000", "9", R"(PrefixCode="3401" CategoryCode=5)"),
      Calculates("3401-5600 0000", "9", R"(CategoryCode=5 PrefixCode="3401")"),
      Calculates("34015600000A", "-1", R"(CategoryCode=5 PrefixCode="3401")"),
      // A fifth character that is no digit stops the step before the prefix.
      Calculates("3401A6000000", "-1", R"(CategoryCode=0 PrefixCode=0)"),
      Invalid("3401560000008", "check digit should be 9, not 8", "CheckDigit=9 CategoryCode=5"),
      Invalid("3401A60000009", "the letter A cannot stand at place 5"),
  };
  // Examples end
};

}  // namespace numerant
