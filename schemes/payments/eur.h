// SPDX-License-Identifier: MIT
// EUR: the serial number of a euro banknote, one letter, ten digits and a
// check digit. The letter counts as the digit sum of its place in the
// alphabet ("A" 1, "I" 9, "J" 10 reduced once to 1, "S" 19 to 10, "Z" 26 to
// 8); with the ten digits added, the check digit brings the total to 8 modulo
// 9, and is 9, never 0, when the total is 8 modulo 9 already. X0123456789:
// 6 for X (24) and 45 for the digits make 51, 6 modulo 9, and 2 brings it to
// 53, 8 modulo 9.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
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
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("X01234567892"),
      Valid("x01234567892"),
      Valid("A00000000079"),
      Calculates("X0123456789", "2", R"(CountryCode="X")"),
      Calculates("x 0123-456789", "2", R"(CountryCode="X")"),
      Calculates("10123456789", "-1", R"(CountryCode="")"),
      Calculates("\xE9"
                 "0123456789",
                 "-1", R"(CountryCode="")"),
      Calculates("X012345678A", "-1", R"(CountryCode="X")"),
      // a total of 8 modulo 9 takes 9, never 0
      Invalid("A00000000070", "check digit should be 9, not 0"),
      Invalid("X0123456789X", "the letter X cannot stand at place 12"),
      Invalid("10123456789 2", "the digit 1 cannot stand at place 1"),
      Invalid("X0123 45678A2", "the letter A cannot stand at place 12"),
      Invalid("X01234567893", "check digit should be 2, not 3"),
  };
  // Examples end
};

}  // namespace numerant
