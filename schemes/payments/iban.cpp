// SPDX-License-Identifier: MIT
#include "schemes/payments/iban.h"

#include <cstddef>

#include "core/characters.h"
#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kCountryLength = 2;
constexpr std::size_t kCheckLength = 2;
// The country code with the account part.
constexpr std::size_t kShortestPayload = kCountryLength;
constexpr std::size_t kLongestPayload = 32;

}  // namespace

IBAN::IBAN()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = {{kShortestPayload, kLongestPayload}},
                        .check_length = kCheckLength,
                        .check_place = kCountryLength}) {}

std::optional<FieldValue> IBAN::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() > kLongestPayload) return std::nullopt;
  // The fields are set before any character is tested.
  fields_.country_code = Characters(payload, 1, kCountryLength);
  fields_.account_number = Characters(payload, kCountryLength + 1, payload.size());
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) && !IsUpperLetter(payload[i])) return RejectCharacter(i);
  }

  // The account part, then the country code, then "00", each letter as its
  // two digits; the remainder is carried along, so no digit text is built.
  Remainder97Builder remainder;
  for (std::string_view part :
       {std::string_view(fields_.account_number), std::string_view(fields_.country_code)}) {
    for (char c : part)
      remainder.AppendAlphanumeric(c);
  }
  remainder.AppendTwoDigits(0);
  return FieldValue(TwoDigits(98 - remainder.Remainder()));
}

}  // namespace numerant
