// SPDX-License-Identifier: MIT
// ro.cf: the Romanian VAT number (cod de inregistrare in scopuri de TVA), the
// company's CUI of 2 to 10 digits, the first not 0, or a person's 13-digit
// CNP, reckoned as the 52's CNP reckons it.
//
// The CUI's digits before the check digit weigh 7 5 3 2 1 7 5 3 2, aligned at
// the right end; the check digit is ten times the total modulo 11, 10
// counting as 0.
//   RoCf cf;
//   cf.Calculate("1854729");         // 0
//   cf.Check("RO 185 472 90");       // true
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
#include "schemes/personal/pesel_cnp_jmbg.h"

namespace numerant {

struct RoCfFields {
  FieldValue kind;
};

// The check digit is -1 until known.
class RoCf final : public CheckDigitNumber<std::int16_t, RoCfFields> {
 public:
  RoCf();
  // "CUI" or "CNP"; nothing until read.
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
  CNP cnp_;
};

template <>
struct Descriptor<RoCf> {
  static constexpr std::string_view kName = "ro.cf";
  static constexpr std::string_view kDisplayName = "CIF (Romania)";
  static constexpr std::string_view kDescription =
      "Romanian VAT number: the CUI of 2 to 10 digits (weights 7 5 3 2 1 from the right, times 10, "
      "modulo 11) or a CNP";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &RoCf::CheckDigit},
      Property{"Kind", &RoCf::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("18547290", R"(Kind="CUI")"),
      Valid("RO 185 472 90"),
      Valid("1630615123457", R"(Kind="CNP")"),
      Calculates("1854729", "0"),
      Invalid("18547291", "check digit should be 0, not 1"),
  };
  // Examples end
};

}  // namespace numerant
