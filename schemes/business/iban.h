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

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "schemes/general/modulo97.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

// The check digits stand behind the country code; they are the integer -1
// until computed, then two digits "02" to "98".
class IBAN final : public CheckDigitNumber<FieldValue> {
 public:
  IBAN();

  // Everything behind the country code and the check digits.
  const std::string& AccountNumber() const { return account_number_; }
  // The first two characters, not tested to be letters.
  const std::string& CountryCode() const { return country_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  // Takes the country code followed by the account part.
  std::optional<FieldValue> ComputeCheckDigit(std::string_view stem) override;
  void ResetFields() override;

  std::string account_number_;
  std::string country_code_;
  Modulo97 modulo97_;
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
