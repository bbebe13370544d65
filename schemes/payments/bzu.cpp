// SPDX-License-Identifier: MIT
#include "schemes/payments/bzu.h"

#include "core/iso7064.h"

namespace numerant {

BZU::BZU() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(12)}) {}

std::optional<std::int16_t> BZU::ComputeCheckDigit(std::string_view payload) {
  const auto last = Mod1110LastIntermediate(payload);
  if (!last) return RejectNonDigit(payload);
  return static_cast<std::int16_t>(11 - (2 * *last) % 11);
}

}  // namespace numerant
