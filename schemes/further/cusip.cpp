// SPDX-License-Identifier: MIT
#include "schemes/further/cusip.h"

#include "schemes/further/securities.h"

namespace numerant {

// "*", "@" and "#" are characters of the number, not separators.
Cusip::Cusip()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(8)}) {}

std::optional<std::int16_t> Cusip::ComputeCheckDigit(std::string_view payload) {
  fields_.issuer = payload.substr(0, 6);
  fields_.issue = payload.substr(6);
  if (auto check_digit = securities::DoubleAddCheckDigit(payload, securities::kCusipAlphabet))
    return check_digit;
  return RejectCharacter(payload.find_first_not_of(securities::kCusipAlphabet));
}

}  // namespace numerant
