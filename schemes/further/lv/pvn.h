// SPDX-License-Identifier: MIT
// lv.pvn: the Latvian VAT number (PVN), eleven digits. A first digit above 3
// marks a legal entity: the digits weigh 9 1 4 8 3 10 2 5 7 6 1 and total 3
// modulo 11. Otherwise it is a personal code, DDMMYY, a century digit (0 for
// the 1800s, 1 for the 1900s, 2 for the 2000s), a serial and a check digit:
// 1 plus the first ten weighted 10 5 8 4 2 1 6 3 7 9, modulo 11, 10 counting
// as 0; the date must exist.
//   LvPvn pvn;
//   pvn.Calculate("4000352160");     // 0
//   pvn.Check("LV 4000 3521 600");   // true
//   pvn.Check("161175-19997");       // true, a personal code
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct LvPvnFields {
  FieldValue kind;
};

// The check digit is -1 until known.
class LvPvn final : public CheckDigitNumber<std::int16_t, LvPvnFields> {
 public:
  LvPvn();
  // "legal entity" or "personal code"; nothing until read.
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<LvPvn> {
  static constexpr std::string_view kName = "lv.pvn";
  static constexpr std::string_view kDisplayName = "PVN (Latvia)";
  static constexpr std::string_view kDescription =
      "Latvian VAT number, 11 digits: a legal entity's (weighted, modulo 11) or a personal code "
      "with its birth date";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &LvPvn::CheckDigit},
      Property{"Kind", &LvPvn::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("40003521600", R"(Kind="legal entity")"),
      Valid("LV 4000 3521 600"),
      Valid("161175-19997", R"(Kind="personal code")"),
      Calculates("4000352160", "0"),
      Invalid("40003521601", "check digit should be 0, not 1"),
      Invalid("161375-19997", "no such date: 1975-13-16"),
  };
  // Examples end
};

}  // namespace numerant
