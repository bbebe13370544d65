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
    : Iso7064Number(Iso7064System::kMod97_10,
                    {.separators = " -",
                     .upper_case = true,
                     .payload_letters = true,
                     .payload_lengths = {{kShortestPayload, kLongestPayload}},
                     .check_length = kCheckLength,
                     .check_place = kCountryLength},
                    // The account part, then the country code; the check digits follow.
                    kCountryLength) {}

bool IBAN::IsValid(std::string_view number) {
  const std::size_t n = number.size();
  // Capitals and digits only, check digits included: the remainder of the
  // account part, the country code and the check digits is then taken on
  // the caller's text, in that order, without a field or a copy.
  if (n >= kShortestPayload + kCheckLength && n <= kLongestPayload + kCheckLength &&
      IsDigit(number[kCountryLength]) && IsDigit(number[kCountryLength + 1])) {
    Remainder97Builder remainder;
    const bool plain =
        remainder.AppendAlphanumerics(number.substr(kCountryLength + kCheckLength)) &&
        remainder.AppendAlphanumerics(number.substr(0, kCountryLength));
    if (plain) {
      remainder.AppendTwoDigits(0);
      const int found =
          10 * DigitValue(number[kCountryLength]) + DigitValue(number[kCountryLength + 1]);
      return found == 98 - remainder.Remainder();
    }
  }
  return Iso7064Number::IsValid(number);
}

bool IBAN::DecodeFields(std::string_view payload) {
  if (payload.size() > kLongestPayload) return false;
  // The fields are set whatever the characters; the remainder, which reads
  // every one of them, finds a character that may not stand there.
  if (!fieldless_) {
    fields_.country_code.assign(Characters(payload, 1, kCountryLength));
    fields_.account_number.assign(Characters(payload, kCountryLength + 1, payload.size()));
  }
  return true;
}

}  // namespace numerant
