// SPDX-License-Identifier: MIT
// be.vat: the Belgian enterprise number, which is also the VAT number, in
// today's form Zxxx.xxx.xxx: ten digits, the first of them 0 or 1. The last
// two are 97 minus the remainder of the first eight modulo 97, so 01 to 97.
// The old nine-digit form is the 0-series without its 0, and a leading "BE"
// and a "(0)" before the digits are taken as written on invoices.
//   04030192: 4030192 = 41548 x 97 + 36, so 97 - 36 = 61.
//   BeVat vat;
//   vat.Calculate("04030192");        // "61"
//   vat.Check("BE 0403.019.261");     // true; "403019261" too
//   vat.Check("1001686633");          // true, the 1-series
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

// The check digits are "" until known, then two digits.
class BeVat final : public CheckDigitNumber<std::string> {
 public:
  BeVat();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<BeVat> {
  static constexpr std::string_view kName = "be.vat";
  static constexpr std::string_view kDisplayName = "Belgian enterprise number";
  static constexpr std::string_view kDescription =
      "Belgian enterprise and VAT number, 0- and 1-series; 97 minus modulo 97";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::string_view kWrittenForm = "####.###.###|###.###.###";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &BeVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("0403019261"),          Valid("BE 0403.019.261"),
      Valid("1001686633"),          Valid("BE403019261"),
      Calculates("04030192", "61"), Invalid("2403019261", "the digit 2 cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
