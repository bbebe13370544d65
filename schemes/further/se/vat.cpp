// SPDX-License-Identifier: MIT
#include "schemes/further/se/vat.h"

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

// The organisation number's digits before its check digit.
constexpr std::size_t kDigits = 9;
constexpr std::string_view kSuffix = "01";

}  // namespace

SeVat::SeVat()
    : CheckDigitNumber({.separators = " -.",
                        .upper_case = true,
                        .prefixes = {"SE"},
                        .payload_lengths = Lengths::Exactly(kDigits + kSuffix.size()),
                        .check_place = kDigits}) {}

std::optional<std::int16_t> SeVat::ComputeCheckDigit(std::string_view payload) {
  const auto check_digit = LuhnCheckDigit(payload.substr(0, kDigits));
  if (!check_digit) return RejectNonDigit(payload);
  for (std::size_t i = 0; i < kSuffix.size(); ++i) {
    if (payload[kDigits + i] != kSuffix[i]) return RejectCharacter(kDigits + i);
  }
  return check_digit;
}

}  // namespace numerant
