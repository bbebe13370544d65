// EUR: the serial number of a euro banknote, one letter, ten digits and a
// check digit. The letter counts as the digit sum of its place in the
// alphabet; with all digits added, the check digit brings the total to 8
// modulo 9.
//   EUR eur;
//   eur.Calculate("X0123456789");   // 2
//   eur.Check("x01234567892");      // true
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "shell/scheme.h"

namespace numerant {

class EUR {
 public:
  // 1 to 9, or -1 when none is known; never 0.
  std::int16_t CheckDigit() const { return check_digit_; }
  // The leading letter.
  const std::string& CountryCode() const { return country_code_; }

  std::int16_t Calculate(std::string_view code);
  bool Check(std::string_view code);

 private:
  std::string Normalise(std::string_view code);
  // Takes the eleven characters before the check digit.
  bool Compute(std::string_view stem);

  std::int16_t check_digit_ = -1;
  std::string country_code_;
};

template <>
struct Descriptor<EUR> {
  static constexpr std::string_view kName = "EUR";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &EUR::CheckDigit},
      Property{"CountryCode", &EUR::CountryCode},
  };
};

}  // namespace numerant
