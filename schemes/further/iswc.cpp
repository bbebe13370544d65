// SPDX-License-Identifier: MIT
#include "schemes/further/iswc.h"

#include "core/text.h"

namespace numerant {

Iswc::Iswc()
    : CheckDigitNumber({.separators = " -.",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(10)}) {}

std::optional<std::int16_t> Iswc::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() != 'T') return RejectCharacter(0);
  int total = 1;
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    total += static_cast<int>(i) * DigitValue(payload[i]);
  }
  return static_cast<std::int16_t>((10 - total % 10) % 10);
}

}  // namespace numerant
