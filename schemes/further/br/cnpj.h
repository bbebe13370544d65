// SPDX-License-Identifier: MIT
// br.cnpj: the Brazilian company number, the companion of the CPF:
// 16.727.230/0001-97, a base of eight characters naming the company, a
// branch of four (0001 the head office) and two check digits. From July
// 2026 base and branch may hold capital letters as well as digits.
//
// Each character counts as its ASCII code minus 48 (digits 0 to 9, "A" 17
// to "Z" 42). The first check digit weights the twelve characters 5 4 3 2 9
// 8 7 6 5 4 3 2, the second the twelve and the first check digit 6 5 4 3 2
// 9 8 7 6 5 4 3 2; each is 11 minus the remainder modulo 11, and 0 where
// that is 10 or 11.
//   BrCnpj cnpj;
//   cnpj.Calculate("16.727.230/0001");   // "97", Base "16727230", Branch "0001"
//   cnpj.Check("12.ABC.345/01DE-35");    // true, the alphanumeric form
#pragma once

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

struct BrCnpjFields {
  FieldValue base;
  FieldValue branch;
};

// The check digits are "" until known, then two digits.
class BrCnpj final : public CheckDigitNumber<std::string, BrCnpjFields> {
 public:
  BrCnpj();

  // The eight characters that name the company.
  const FieldValue& Base() const { return fields().base; }
  // The four characters of the branch; 0001 is the head office.
  const FieldValue& Branch() const { return fields().branch; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<BrCnpj> {
  static constexpr std::string_view kName = "br.cnpj";
  static constexpr std::string_view kDisplayName = "CNPJ";
  static constexpr std::string_view kDescription =
      "Brazilian company number, numeric or alphanumeric; two weighted modulo-11 check digits";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::string_view kWrittenForm = "##.###.###/####-##";
  static constexpr std::tuple kProperties{
      Property{"Base", &BrCnpj::Base},
      Property{"Branch", &BrCnpj::Branch},
      Property{"CheckDigit", &BrCnpj::CheckDigit},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("16.727.230/0001-97", R"(Base="16727230" Branch="0001")"),
      Valid("12.ABC.345/01DE-35", R"(Base="12ABC345" Branch="01DE")"),
      Calculates("16.727.230/0001", "97"),
      Invalid("16.727.230/0001-98", "check digits should be 97, not 98"),
  };
  // Examples end
};

}  // namespace numerant
