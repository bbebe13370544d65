// SPDX-License-Identifier: MIT
#include "schemes/further/at/uid.h"

#include <string>

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {

AtUid::AtUid()
    : CheckDigitNumber({.separators = " -./",
                        .upper_case = true,
                        .prefixes = {"AT"},
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(8)}) {}

std::optional<std::int16_t> AtUid::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() != 'U') return RejectCharacter(0);
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  // The Luhn digit of the seven digits and a 0 after them is minus the sum
  // the rule wants, modulo 10.
  std::string digits(payload.substr(1));
  digits += '0';
  const auto luhn = LuhnCheckDigit(digits);
  if (!luhn) return std::nullopt;
  return static_cast<std::int16_t>((*luhn + 6) % 10);
}

}  // namespace numerant
