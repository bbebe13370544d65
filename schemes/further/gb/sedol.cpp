// SPDX-License-Identifier: MIT
#include "schemes/further/gb/sedol.h"

#include "schemes/further/securities.h"

namespace numerant {

GbSedol::GbSedol()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(6)}) {}

std::optional<std::int16_t> GbSedol::ComputeCheckDigit(std::string_view payload) {
  if (const std::size_t at = securities::SedolFault(payload); at < payload.size())
    return RejectCharacter(at);
  return securities::SedolCheckDigit(payload);
}

}  // namespace numerant
