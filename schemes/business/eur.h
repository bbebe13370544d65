// EUR: the serial number of a euro banknote, one letter, ten digits and a
// check digit. The letter counts as the digit sum of its place in the
// alphabet; with all digits added, the check digit brings the total to 8
// modulo 9.
//   EUR eur;
//   eur.Calculate("X0123456789");   // 2
//   eur.Check("x01234567892");      // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is 1 to 9, or -1 when none is known; never 0.
class EUR final : public CheckDigitNumber<std::int16_t> {
 public:
  EUR();

  // The leading letter.
  const std::string& CountryCode() const { return country_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
  void ResetFields() override;

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
