// SPDX-License-Identifier: MIT
// sk.dph: the Slovak VAT number (IC DPH), ten digits: the number is a
// multiple of 11, its first digit not 0 and its third 2, 3, 4, 7, 8 or 9; or
// a person's birth number, reckoned as cz.dic reckons it.
//   SkDph dph;
//   dph.Calculate("202274961");      // 9
//   dph.Check("SK 202 274 96 19");   // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"
#include "schemes/further/cz/dic.h"
#include "schemes/further/kinded_number.h"

namespace numerant {

// The check digit is -1 until known.
class SkDph final : public KindedNumber<std::int16_t> {
 public:
  SkDph();
  // Kind(): "legal entity" or "birth number"; nothing until read.

 private:
  std::optional<std::int16_t> ComputeCheckDigitAgainst(std::string_view payload,
                                                       std::string_view found) override;
};

template <>
struct Descriptor<SkDph> {
  static constexpr std::string_view kName = "sk.dph";
  static constexpr std::string_view kDisplayName = "IC DPH (Slovakia)";
  static constexpr std::string_view kDescription =
      "Slovak VAT number, 10 digits: a multiple of 11 with 2, 3, 4, 7, 8 or 9 third, or a birth "
      "number";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &SkDph::CheckDigit},
      Property{"Kind", &SkDph::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("2022749619", R"(Kind="legal entity")"),
      Valid("SK 202 274 96 19"),
      Valid("7103192745", R"(Kind="birth number")"),
      Calculates("202274961", "9"),
      Invalid("SK 202 274 96 18", "check digit should be 9, not 8"),
  };
  // Examples end
};

}  // namespace numerant
