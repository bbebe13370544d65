// IBAN: the two check digits of an international bank account number
// (ISO 13616, ISO 7064 MOD 97-10). Letters become 10 to 35, the country code
// moves behind the account part, "00" is appended, and 98 minus the
// remainder modulo 97 gives the check digits. No country's length or format
// is tested: any country code and any account part of digits and letters
// within the length bounds is accepted.
//   IBAN iban;
//   iban.Calculate("DE370400440532013000");       // "89"
//   iban.Check("DE89 3704 0044 0532 0130 00");    // true
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "shell/field_value.h"
#include "shell/scheme.h"

namespace numerant {

class IBAN {
 public:
  // Everything behind the country code (and, in `Check`, the check digits).
  const std::string& AccountNumber() const { return account_number_; }
  // The integer -1 until computed, then two digits "02" to "98".
  const FieldValue& CheckDigit() const { return check_digit_; }
  // The first two characters, not tested to be letters.
  const std::string& CountryCode() const { return country_code_; }

  FieldValue Calculate(std::string_view code);
  bool Check(std::string_view code);

 private:
  std::string Normalise(std::string_view code);
  // Takes the account part followed by the country code.
  bool Compute(std::string_view rearranged);

  std::string account_number_;
  FieldValue check_digit_{std::int16_t{-1}};
  std::string country_code_;
};

template <>
struct Descriptor<IBAN> {
  static constexpr std::string_view kName = "IBAN";
  static constexpr std::tuple kProperties{
      Property{"AccountNumber", &IBAN::AccountNumber},
      Property{"CheckDigit", &IBAN::CheckDigit},
      Property{"CountryCode", &IBAN::CountryCode},
  };
};

}  // namespace numerant
