// SPDX-License-Identifier: MIT
// Creditcard: payment card numbers of any length, closed by the Luhn check
// digit, split into the major industry identifier (first digit), the issuer
// identification number (first six characters) and the account part (the
// seventh character up to the check digit). No card length or issuer prefix
// is checked.
//   Creditcard card;
//   card.Calculate("4111 1111 1111 111");   // 1; IssuerCode() "411111",
//                                           // AccountNumber() "111111111"
//   card.Check("4111-1111-1111-1111");      // true
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct CreditcardFields {
  FieldValue account_number = std::int16_t{0};
  FieldValue issuer_code = std::int16_t{0};
  std::uint8_t major_industry_code = 0;
};

class Creditcard final : public CheckDigitNumber<std::int16_t, CreditcardFields> {
 public:
  Creditcard();

  const FieldValue& AccountNumber() const { return fields().account_number; }
  const FieldValue& IssuerCode() const { return fields().issuer_code; }
  std::uint8_t MajorIndustryCode() const { return fields().major_industry_code; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Creditcard> {
  static constexpr std::string_view kName = "Creditcard";
  static constexpr std::string_view kDescription = "Payment card number of any length; Luhn";
  static constexpr std::tuple kProperties{
      Property{"AccountNumber", &Creditcard::AccountNumber},
      Property{"CheckDigit", &Creditcard::CheckDigit},
      Property{"IssuerCode", &Creditcard::IssuerCode},
      Property{"MajorIndustryCode", &Creditcard::MajorIndustryCode}};
};

}  // namespace numerant
