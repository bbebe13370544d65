// SPDX-License-Identifier: MIT
#include "schemes/further/de/vat.h"

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {

DeVat::DeVat()
    : CheckDigitNumber({.separators = " -./,",
                        .upper_case = true,
                        .prefixes = {"DE"},
                        .payload_lengths = Lengths::Exactly(8)}) {}

std::optional<std::int16_t> DeVat::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() == '0') return RejectCharacter(0);
  const auto last = Mod1110LastIntermediate(payload);
  if (!last) return RejectNonDigit(payload);
  // The check digit brings the next intermediate value to 1.
  return static_cast<std::int16_t>((11 - 2 * *last % 11) % 10);
}

}  // namespace numerant
