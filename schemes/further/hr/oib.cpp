// SPDX-License-Identifier: MIT
#include "schemes/further/hr/oib.h"

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {

HrOib::HrOib()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"HR"},
                        .payload_lengths = Lengths::Exactly(10)}) {}

std::optional<std::int16_t> HrOib::ComputeCheckDigit(std::string_view payload) {
  const auto last = Mod1110LastIntermediate(payload);
  if (!last) return RejectNonDigit(payload);
  // The check digit brings the next intermediate value to 1.
  return static_cast<std::int16_t>((11 - 2 * *last % 11) % 10);
}

}  // namespace numerant
