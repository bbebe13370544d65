// SPDX-License-Identifier: MIT
// Creditcard: payment card numbers of any length, closed by the Luhn check
// digit, split into the major industry identifier (first digit), the issuer
// identification number (first six characters) and the account part (the
// seventh character up to the check digit). No card length or issuer prefix
// is checked.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/luhn_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct CreditcardFields {
  FieldValue account_number = std::int16_t{0};
  FieldValue issuer_code = std::int16_t{0};
  std::uint8_t major_industry_code = 0;
};

class Creditcard final : public LuhnNumber<CreditcardFields> {
 public:
  Creditcard();

  const FieldValue& AccountNumber() const { return fields().account_number; }
  const FieldValue& IssuerCode() const { return fields().issuer_code; }
  std::uint8_t MajorIndustryCode() const { return fields().major_industry_code; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<Creditcard> {
  static constexpr std::string_view kName = "Creditcard";
  static constexpr std::string_view kDescription = "Payment card number of any length; Luhn";
  static constexpr std::string_view kWrittenForm = "#### ###### #####|#### *";
  static constexpr std::tuple kProperties{
      Property{"AccountNumber", &Creditcard::AccountNumber},
      Property{"CheckDigit", &Creditcard::CheckDigit},
      Property{"IssuerCode", &Creditcard::IssuerCode},
      Property{"MajorIndustryCode", &Creditcard::MajorIndustryCode}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("4111111111111111"),
      Valid("59"),
      Valid("4111-1111-1111-1111"),
      Calculates("4111 1111 1111 111", "1",
                 R"(AccountNumber="111111111" IssuerCode="411111" MajorIndustryCode=4)"),
      Calculates("5", "9", R"(AccountNumber="" IssuerCode="5" MajorIndustryCode=5)"),
      // The account part starts at the seventh character.
      Calculates("411111", "8", R"(AccountNumber="" IssuerCode="411111")"),
      Calculates("4111112", "1", R"(AccountNumber="2" IssuerCode="411111")"),
      // The fields are cut from text that is not all digits too.
      Calculates("A1234", "-1", R"(AccountNumber="" IssuerCode="A1234" MajorIndustryCode=0)"),
      Calculates("4111.1111", "-1",
                 R"(AccountNumber="111" IssuerCode="4111.1" MajorIndustryCode=4)"),
      Invalid("79927398710", "check digit should be 3, not 0",
              R"(AccountNumber="9871" CheckDigit=3 IssuerCode="799273" MajorIndustryCode=7)"),
      Invalid("4111.1111", "the character \".\" cannot stand at place 5"),
  };
  // Examples end
};

}  // namespace numerant
