// SPDX-License-Identifier: MIT
// EUR: the serial number of a euro banknote, one letter, ten digits and a
// check digit. The letter counts as the digit sum of its place in the
// alphabet ("A" 1, "I" 9, "J" 10 reduced once to 1, "S" 19 to 10, "Z" 26 to
// 8); with the ten digits added, the check digit brings the total to 8 modulo
// 9, and is 9, never 0, when the total is 8 modulo 9 already. X0123456789:
// 6 for X (24) and 45 for the digits make 51, 6 modulo 9, and 2 brings it to
// 53, 8 modulo 9.
//   EUR eur;
//   eur.Calculate("X0123456789");   // 2, CountryCode() "X"
//   eur.Check("x01234567892");      // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

struct EURFields {
  // The leading letter.
  std::string country_code;
};

// The check digit is 1 to 9, or -1 when none is known.
class EUR final : public CheckDigitNumber<std::int16_t, EURFields> {
 public:
  EUR();

  const std::string& CountryCode() const { return fields().country_code; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<EUR> {
  static constexpr std::string_view kName = "EUR";
  static constexpr std::string_view kDescription =
      "Euro banknote serial number: a letter and ten digits; the total comes to 8 modulo 9";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &EUR::CheckDigit},
      Property{"CountryCode", &EUR::CountryCode},
  };
};

}  // namespace numerant
