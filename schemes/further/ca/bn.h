// SPDX-License-Identifier: MIT
// ca.bn: the Canadian Business Number, nine digits whose last is the Luhn
// check digit of the eight before it, alone or followed by a program account
// (BN15): two letters naming the program (RC corporate income tax, RM
// import-export, RP payroll, RR registered charity, RT GST/HST, RZ
// information returns) and a four-digit reference.
//   12302663: the Luhn check digit is 5.
//   CaBn bn;
//   bn.Calculate("12302 663");         // 5
//   bn.Check("123026635RC0001");       // true, Program "RC", Reference "0001"
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

struct CaBnFields {
  FieldValue program;
  FieldValue reference;
};

// The check digit, the ninth character, is 0 to 9, or -1 when none is known.
class CaBn final : public CheckDigitNumber<std::int16_t, CaBnFields> {
 public:
  CaBn();

  // The two letters of the program account; nothing for a nine-digit BN.
  const FieldValue& Program() const { return fields().program; }
  // The four digits of the program account.
  const FieldValue& Reference() const { return fields().reference; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<CaBn> {
  static constexpr std::string_view kName = "ca.bn";
  static constexpr std::string_view kDisplayName = "Business Number";
  static constexpr std::string_view kDescription =
      "Canadian Business Number, alone or with its program account; Luhn check digit";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &CaBn::CheckDigit},
      Property{"Program", &CaBn::Program},
      Property{"Reference", &CaBn::Reference},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("12302 6635"),
      Valid("123026635RC0001", R"(Program="RC" Reference="0001")"),
      Calculates("12302663", "5"),
      Invalid("123026635RX0001", "the letter X cannot stand at place 11"),
  };
  // Examples end
};

}  // namespace numerant
