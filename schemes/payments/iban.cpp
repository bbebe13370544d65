// SPDX-License-Identifier: MIT
#include "schemes/payments/iban.h"

#include <cstddef>

#include "core/characters.h"
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
                     .check_place = kCountryLength}) {}

bool IBAN::DecodeFields(std::string_view payload) {
  if (payload.size() > kLongestPayload) return false;
  // The fields are set before any character is tested.
  fields_.country_code = Characters(payload, 1, kCountryLength);
  fields_.account_number = Characters(payload, kCountryLength + 1, payload.size());
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) && !IsUpperLetter(payload[i])) {
      RejectCharacter(i);
      return false;
    }
  }
  return true;
}

// The account part, then the country code; the check digits follow.
std::string_view IBAN::SystemText(std::string_view /*payload*/) {
  text_.assign(fields_.account_number).append(fields_.country_code);
  return text_;
}

}  // namespace numerant
