// SPDX-License-Identifier: MIT
// ACL: a 13-digit article code, a four-digit prefix, a one-digit category
// and a check digit by the Modulo10 rule: weight 3 on the rightmost of the
// twelve payload digits, then 1 and 3 alternately to the left, and the digit
// that brings the sum up to a multiple of 10.
//   340156000000: 3+12+0+3+5+18+0+0+0+0+0+0 = 41, so the check digit is 9.
//   ACL acl;
//   acl.Calculate("340156000000");   // 9; PrefixCode() == "3401", CategoryCode() == 5
//   acl.Check("3401-5600 0000 9");   // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct AclFields {
  std::uint8_t category_code = 0;
  FieldValue prefix_code = std::int16_t{0};
};

class ACL final : public CheckDigitNumber<std::int16_t, AclFields> {
 public:
  ACL();

  std::uint8_t CategoryCode() const { return fields().category_code; }
  const FieldValue& PrefixCode() const { return fields().prefix_code; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
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
};

}  // namespace numerant
