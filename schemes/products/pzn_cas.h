// SPDX-License-Identifier: MIT
// Two numbers with a plain weighted digit sum and no fields:
//   PZN  the German pharmaceutical article number: six digits weighted 2 to 7
//        from the left; the check value is the sum modulo 11, and a value of
//        10 is matched by no digit.
//          490880: 8+27+0+40+48+0 = 123 = 11 x 11 + 2, so the check digit is 2.
//   CAS  the chemical registry number: three to eight digits weighted 1, 2,
//        3 ... from the right; the check digit is the sum modulo 10.
//          7732-18: 42+35+12+6+2+8 = 105, so the check digit is 5.
//   PZN().Calculate("490880");   // 2
//   CAS().Check("7732-18-5");    // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/scheme.h"

namespace numerant {

class PZN final : public WeightedSumNumber<> {
 public:
  PZN();
};

class CAS final : public CheckDigitNumber<std::int16_t> {
 public:
  CAS();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<PZN> {
  static constexpr std::string_view kName = "PZN";
  static constexpr std::string_view kDescription =
      "German pharmaceutical central number; weights 2 to 7, modulo 11";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &PZN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("4908802"),
      Valid("490880-2"),
      Calculates("490880", "2"),
      Calculates("000003", "10"),
      Calculates("000006", "9"),
      Invalid("1234600", "no check digit exists for this number"),
      Calculates("123460", "10"),
      // A value of 10 is matched by no character, not even ":", which stands at 10
      // from "0".
      Invalid("123460:", "the character \":\" cannot stand at place 7"),
  };
  // Examples end
};

template <>
struct Descriptor<CAS> {
  static constexpr std::string_view kName = "CAS";
  static constexpr std::string_view kDescription =
      "CAS registry number of a chemical substance; weights 1, 2, 3 … from the right, modulo 10";
  static constexpr std::string_view kWrittenForm =
      "#-##-#|##-##-#|###-##-#|####-##-#|#####-##-#|######-##-#";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &CAS::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("7732185"),
      Valid("64175"),
      Valid("1230"),
      Valid("123456780"),
      Valid("100000008"),
      Calculates("7732-18", "5"),
      Calculates("100", "3"),
      Calculates("12", "-1"),
      Calculates("123456789", "-1"),
      Invalid("123", "4 to 9 digits expected, 3 typed"),
      Invalid("12", "4 to 9 digits expected, 2 typed"),
  };
  // Examples end
};

}  // namespace numerant
