// SPDX-License-Identifier: MIT
// de.vat: the German VAT number (Umsatzsteuer-Identifikationsnummer), nine
// digits, the first not 0, the last the ISO 7064 MOD 11,10 check digit.
//   DeVat vat;
//   vat.Calculate("13669597");       // 6
//   vat.Check("DE 136,695 976");     // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class DeVat final : public Iso7064Number<DeVat, std::int16_t> {
 public:
  DeVat();

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<DeVat> {
  static constexpr std::string_view kName = "de.vat";
  static constexpr std::string_view kDisplayName = "USt-IdNr. (Germany)";
  static constexpr std::string_view kDescription =
      "German VAT number, 9 digits; ISO 7064 MOD 11,10";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &DeVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("136695976"),
      Valid("DE 136,695 976"),
      Valid("DE113866163"),
      Calculates("13669597", "6"),
      Invalid("136695978", "check digit should be 6, not 8"),
      Invalid("036695976", "the digit 0 cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
