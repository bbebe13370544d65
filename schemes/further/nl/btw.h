// SPDX-License-Identifier: MIT
// nl.btw: the Dutch VAT identification number (btw-identificatienummer),
// nine digits, "B" and two digits. Before 2020 the nine digits were the
// holder's BSN, with its check digit, and the last two a serial (01 and up).
// Since 2020 sole traders get a number whose last two digits are check digits:
// "NL" and the twelve characters, letters counted 10 to 35, are 1 modulo 97
// (ISO 7064 MOD 97-10, as in the IBAN). A number passes when it fits either;
// `Calculate` gives the 2020 check digits.
//   NlBtw btw;
//   btw.Calculate("002455799B");     // "11"
//   btw.Check("NL002455799B11");     // true, the 2020 form
//   btw.Check("NL004495445B01");     // true, a BSN
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
#include "schemes/personal/bsn.h"

namespace numerant {

// The check character is "" until known.
class NlBtw final : public KindedNumber<std::string> {
 public:
  NlBtw();
  // Kind(): "BSN" or "2020"; nothing until read.

 private:
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
  BSN bsn_;
};

template <>
struct Descriptor<NlBtw> {
  static constexpr std::string_view kName = "nl.btw";
  static constexpr std::string_view kDisplayName = "btw-id (Netherlands)";
  static constexpr std::string_view kDescription =
      "Dutch VAT number, 9 digits, B and 2 digits: a BSN with a serial, or since 2020 ISO 7064 MOD "
      "97-10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &NlBtw::CheckDigit},
      Property{"Kind", &NlBtw::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("002455799B11", R"(Kind="2020")"),
      Valid("NL004495445B01", R"(Kind="BSN")"),
      Valid("NL001162938B28"),
      Calculates("002455799B", "11"),
      Invalid("123456789B90", "check digits should be 13, not 90"),
      Invalid("004495445B00", "check digits should be 59, not 00"),
      Invalid("NL4495445B01", "12 characters expected, 10 typed"),
  };
  // Examples end
};

}  // namespace numerant
