// SPDX-License-Identifier: MIT
#include "schemes/payments/bzu.h"

namespace numerant {

BZU::BZU()
    : Iso7064Number(Iso7064System::kMod11_10,
                    {.separators = " -", .payload_lengths = Lengths::Exactly(12)}) {}

// The check digit is 11 - P for the last product P = 2s mod 11, never taken
// modulo 10: where ISO 7064 writes 0, BZU asks for 10, which no digit
// matches.
std::int16_t BZU::CheckDigitOf(int value) const {
  return static_cast<std::int16_t>(value == 0 ? 10 : value);
}

}  // namespace numerant
