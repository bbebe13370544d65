// SPDX-License-Identifier: MIT
// us.rtn: the ABA routing transit number of a US bank: the four digits of
// the Federal Reserve routing symbol, four of the institution and a check
// digit. With the weights 3 7 1 repeated, the nine digits add up to a
// multiple of 10.
//   11100002: 3 + 7 + 1 + 0 + 0 + 0 + 0 + 14 = 25, so 5.
//   UsRtn rtn;
//   rtn.Calculate("11100002");   // 5, RoutingSymbol "1110"
//   rtn.Check("111000025");      // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct UsRtnFields {
  FieldValue routing_symbol;
};

// The check digit is 0 to 9, or -1 when none is known.
class UsRtn final : public CheckDigitNumber<std::int16_t, UsRtnFields> {
 public:
  UsRtn();

  // The first four digits: the Federal Reserve routing symbol, whose first
  // two name the district.
  const FieldValue& RoutingSymbol() const { return fields().routing_symbol; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<UsRtn> {
  static constexpr std::string_view kName = "us.rtn";
  static constexpr std::string_view kDisplayName = "ABA routing number";
  static constexpr std::string_view kDescription =
      "US bank routing transit number; weights 3 7 1, modulo 10";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &UsRtn::CheckDigit},
      Property{"RoutingSymbol", &UsRtn::RoutingSymbol},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("111000025", R"(RoutingSymbol="1110")"),
      Invalid("112000025", "check digit should be 4, not 5"),
      Invalid("11100002B", "the letter B cannot stand at place 9"),
      Calculates("11100002", "5"),
  };
  // Examples end
};

}  // namespace numerant
