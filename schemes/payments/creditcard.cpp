// SPDX-License-Identifier: MIT
#include "schemes/payments/creditcard.h"

#include <cstddef>

#include "core/characters.h"
#include "core/text.h"
#include "core/whole_number.h"

namespace numerant {
namespace {

constexpr std::size_t kIssuerLength = 6;

}  // namespace

Creditcard::Creditcard() : LuhnNumber({.payload_lengths = Lengths::AtLeast(1)}) {}

bool Creditcard::IsValid(std::string_view number) {
  if (const auto valid = whole::LuhnValid(number)) return *valid;
  return LuhnNumber::IsValid(number);
}

// The fields are cut from the text whatever it holds; only the check digit
// depends on the payload being all digits.
bool Creditcard::DecodeFields(std::string_view payload) {
  if (fieldless_) return true;
  fields_.account_number = Characters(payload, kIssuerLength + 1, payload.size());
  fields_.issuer_code = Characters(payload, 1, kIssuerLength);
  if (!payload.empty() && IsDigit(payload.front())) {
    fields_.major_industry_code = static_cast<std::uint8_t>(DigitValue(payload.front()));
  }
  return true;
}

}  // namespace numerant
