// SPDX-License-Identifier: MIT
#include "schemes/payments/creditcard.h"

#include <cstddef>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kIssuerLength = 6;

}  // namespace

Creditcard::Creditcard()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Creditcard::ComputeCheckDigit(std::string_view payload) {
  // The fields are cut from the text whatever it holds; only the check digit
  // depends on the payload being all digits.
  fields_.account_number = Characters(payload, kIssuerLength + 1, payload.size());
  fields_.issuer_code = Characters(payload, 1, kIssuerLength);
  if (!payload.empty() && IsDigit(payload.front())) {
    fields_.major_industry_code = static_cast<std::uint8_t>(DigitValue(payload.front()));
  }
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
