// SPDX-License-Identifier: MIT
#include "schemes/further/au/abn.h"

#include "core/text.h"

namespace numerant {

AuAbn::AuAbn()
    : CheckDigitNumber({.separators = " ",
                        .payload_lengths = Lengths::Exactly(9),
                        .check_length = 2,
                        .check_place = 0}) {}

std::optional<std::string> AuAbn::ComputeCheckDigit(std::string_view payload) {
  int sum = 0;
  int weight = 3;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    sum += DigitValue(payload[i]) * weight;
    weight += 2;
  }
  // Check digits c weigh (c div 10 - 1) x 10 + c mod 10 = c - 10, so c is 10
  // - sum modulo 89, and 11 to 99 holds one value of every remainder.
  return TwoDigits(11 + (89 - 1 - sum % 89) % 89);
}

}  // namespace numerant
