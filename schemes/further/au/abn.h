// SPDX-License-Identifier: MIT
// au.abn: the Australian Business Number, two check digits in front of nine
// digits (a company's nine are its ACN).
//
// One is subtracted from the first digit, the eleven digits are weighted 10
// 1 3 5 7 9 11 13 15 17 19, and the sum is a multiple of 89. The two check
// digits lie between 11 and 99, where exactly one value fits.
//   914571673: 27 + 5 + 28 + 45 + 77 + 13 + 90 + 119 + 57 = 461; 83 gives
//   70 + 3 + 461 = 534 = 6 x 89.
//   AuAbn abn;
//   abn.Calculate("914 571 673");    // "83"
//   abn.Check("83 914 571 673");     // true
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

// The check digits are "" until known, then 11 to 99.
class AuAbn final : public CheckDigitNumber<std::string> {
 public:
  AuAbn();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<AuAbn> {
  static constexpr std::string_view kName = "au.abn";
  static constexpr std::string_view kDisplayName = "ABN";
  static constexpr std::string_view kDescription =
      "Australian Business Number; two leading check digits by weighted modulo 89";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::string_view kWrittenForm = "## ### ### ###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &AuAbn::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("83 914 571 673"),
      Valid("51 824 753 556"),
      Calculates("914 571 673", "83"),
      Invalid("93 914 571 673", "check digits should be 83, not 93"),
  };
  // Examples end
};

}  // namespace numerant
