// SPDX-License-Identifier: MIT
#include "schemes/further/it/iva.h"

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kOffice = 7;

// The tax offices' codes: the provinces 001 to 100, 120 and 121, and 888
// and 999 for numbers given by other offices.
bool IsOfficeCode(std::string_view code) {
  return (code >= "001" && code <= "100") || code == "120" || code == "121" || code == "888" ||
         code == "999";
}

}  // namespace

ItIva::ItIva()
    : CheckDigitNumber({.separators = " -:",
                        .upper_case = true,
                        .prefixes = {"IT"},
                        .payload_lengths = Lengths::Exactly(10)}) {}

std::optional<std::int16_t> ItIva::ComputeCheckDigit(std::string_view payload) {
  const auto check_digit = LuhnCheckDigit(payload);
  if (!check_digit) return RejectNonDigit(payload);
  // The taxpayer's seven digits are never all 0.
  if (payload.substr(0, kOffice) == "0000000") return RejectCharacter(kOffice - 1);
  if (!IsOfficeCode(payload.substr(kOffice, 3))) return RejectCharacter(kOffice);
  return check_digit;
}

}  // namespace numerant
