// Creditcard: payment card numbers of any length, with the final Luhn check
// digit, split into the major industry identifier (first digit), the issuer
// identification number (first six characters) and the account part (the
// seventh character up to the check digit). No card length or issuer prefix
// is checked.
//   Creditcard card;
//   card.Calculate("4111 1111 1111 111");   // 1; IssuerCode() == "411111"
//   card.Check("4111-1111-1111-1111");      // true
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/general/code_on_block.h"
#include "schemes/general/luhn.h"

namespace numerant {

class Creditcard final : public CodeOnBlock<Luhn> {
 public:
  const FieldValue& AccountNumber() const { return account_number_; }
  const FieldValue& IssuerCode() const { return issuer_code_; }
  std::uint8_t MajorIndustryCode() const { return major_industry_code_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override { return length >= 1; }
  void ResetFields() override;
  bool Prepare(std::string& stem) override;

  FieldValue account_number_{std::int16_t{0}};
  FieldValue issuer_code_{std::int16_t{0}};
  std::uint8_t major_industry_code_ = 0;
};

template <>
struct Descriptor<Creditcard> {
  static constexpr std::string_view kName = "Creditcard";
  static constexpr std::tuple kProperties{
      Property{"AccountNumber", &Creditcard::AccountNumber},
      Property{"CheckDigit", &Creditcard::CheckDigit},
      Property{"IssuerCode", &Creditcard::IssuerCode},
      Property{"MajorIndustryCode", &Creditcard::MajorIndustryCode}};
};

}  // namespace numerant
