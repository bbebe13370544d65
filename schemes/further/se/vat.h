// SPDX-License-Identifier: MIT
// se.vat: the Swedish VAT number (momsregistreringsnummer), the ten-digit
// organisation number with its Luhn check digit, followed by 01.
//   SeVat vat;
//   vat.Calculate("12345678901");    // 7, the payload "123456789" and "01"
//   vat.Check("SE 123456789701");    // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class SeVat final : public CheckDigitNumber<std::int16_t> {
 public:
  SeVat();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<SeVat> {
  static constexpr std::string_view kName = "se.vat";
  static constexpr std::string_view kDisplayName = "Momsregistreringsnummer (Sweden)";
  static constexpr std::string_view kDescription =
      "Swedish VAT number: the 10-digit organisation number (Luhn) followed by 01";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &SeVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("123456789701"),
      Valid("SE 123456789701"),
      Calculates("12345678901", "7"),
      Invalid("123456789101", "check digit should be 7, not 1"),
      Invalid("123456789702", "the digit 2 cannot stand at place 12"),
  };
  // Examples end
};

}  // namespace numerant
