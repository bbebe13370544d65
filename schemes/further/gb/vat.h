// SPDX-License-Identifier: MIT
// gb.vat: the VAT registration number of the United Kingdom (prefix GB, or XI
// in Northern Ireland): nine digits, or twelve with a branch number behind,
// or a government department (GD000 to GD499) or health authority (HA500 to
// HA999), which have no check digits.
//
// The first seven digits weigh 8 7 6 5 4 3 2 and the two check digits are
// added as a number: the total is 0 modulo 97, or, for the numbers issued
// from November 2009 on (the first three digits 100 or above), 42 modulo 97
// (the total plus 55 a multiple of 97). `Calculate` gives the classic value.
//   GbVat vat;
//   vat.Calculate("9807806");        // "84"
//   vat.Check("GB 980 7806 84");     // true
//   vat.Check("GD001");              // true, no check digits
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"
#include "schemes/further/kinded_number.h"

namespace numerant {

// The check characters are "" until known.
class GbVat final : public KindedNumber<std::string> {
 public:
  GbVat();
  // Kind(): "standard", "branch", "government department" or "health authority"; nothing until
  // read. Government departments and health authorities first, which the course does not see: they
  // have no check digits.
  bool Check(std::string_view number);
  Finding Explain(std::string_view number);
  // The fieldless route sees them first too.
  bool IsValid(std::string_view number) override;

 private:
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
  // The finding on a government department's or health authority's
  // number, with Kind filled; nothing for any other number.
  std::optional<Finding> DepartmentFinding(std::string_view number);
};

template <>
struct Descriptor<GbVat> {
  static constexpr std::string_view kName = "gb.vat";
  static constexpr std::string_view kDisplayName = "VAT registration number (UK)";
  static constexpr std::string_view kDescription =
      "UK VAT number: 9 digits (12 with a branch), weights 8 to 2 and the last 2 modulo 97, or the "
      "9755 form; GD and HA numbers";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::string_view kWrittenForm = "### #### ##|### #### ## ###";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &GbVat::CheckDigit},
      Property{"Kind", &GbVat::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("980780684", R"(Kind="standard")"),
      // The form of November 2009: the total is 42 modulo 97.
      Valid("340804329"),
      Valid("002425728"),
      Valid("980 7806 84 001", R"(Kind="branch")"),
      Valid("GD001", R"(Kind="government department")"),
      Valid("GBHA599", R"(Kind="health authority")"),
      Calculates("GB 980 7806", "84"),
      Calculates("XI 980 7806 001", "84"),
      // The classic value, not the 2009 form's 29.
      Calculates("3408043", "84"),
      Invalid("GB 980 7806 85", "check digits should be 84, not 85"),
      Invalid("802311781", "check digits should be 82, not 81"),
      Invalid("GB GD501", "the digit 5 cannot stand at place 6"),
      Invalid("HA499", "the digit 4 cannot stand at place 3"),
      // The 2009 form begins at 100 0000 00.
      Invalid("099999990", "check digits should be 48, not 90"),
  };
  // Examples end
};

}  // namespace numerant
