// SPDX-License-Identifier: MIT
#include "schemes/general/damm.h"

#include "core/damm.h"

namespace numerant {

Damm::Damm() : CheckDigitNumber({.payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Damm::ComputeCheckDigit(std::string_view payload) {
  const auto digit = DammCheckDigit(payload);
  if (!digit) return RejectNonDigit(payload);
  return static_cast<std::int16_t>(*digit);
}

}  // namespace numerant
