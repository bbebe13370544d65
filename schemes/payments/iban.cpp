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

bool IBAN::IsValid(std::string_view number) {
  const std::size_t n = number.size();
  // Capitals and digits only, check digits included: the remainder of the
  // account part, the country code and the check digits is then taken on
  // the caller's text, in that order, without a field or a copy.
  if (n >= kShortestPayload + kCheckLength && n <= kLongestPayload + kCheckLength &&
      IsDigit(number[kCountryLength]) && IsDigit(number[kCountryLength + 1])) {
    Remainder97Builder remainder;
    bool plain = true;
    for (std::size_t i = kCountryLength + kCheckLength; plain && i < n; ++i)
      plain = remainder.AppendAlphanumeric(number[i]);
    plain =
        plain && remainder.AppendAlphanumeric(number[0]) && remainder.AppendAlphanumeric(number[1]);
    if (plain) {
      remainder.AppendTwoDigits(0);
      const int found =
          10 * DigitValue(number[kCountryLength]) + DigitValue(number[kCountryLength + 1]);
      return found == 98 - remainder.Remainder();
    }
  }
  return CheckDigitNumber::IsValid(number);
}

std::optional<FieldValue> IBAN::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() > kLongestPayload) return std::nullopt;
  // The fields are set before any character is tested.
  if (!fieldless_) {
    fields_.country_code = Characters(payload, 1, kCountryLength);
    fields_.account_number = Characters(payload, kCountryLength + 1, payload.size());
  }
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) && !IsUpperLetter(payload[i])) return RejectCharacter(i);
  }

  // The account part, then the country code, then "00", each letter as its
  // two digits; the remainder is carried along, so no digit text is built.
  Remainder97Builder remainder;
  for (std::string_view part :
       {payload.substr(kCountryLength), payload.substr(0, kCountryLength)}) {
    for (char c : part)
      remainder.AppendAlphanumeric(c);
  }
  remainder.AppendTwoDigits(0);
  return FieldValue(TwoDigits(98 - remainder.Remainder()));
}

}  // namespace numerant
