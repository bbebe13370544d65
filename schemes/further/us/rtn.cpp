// SPDX-License-Identifier: MIT
#include "schemes/further/us/rtn.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::array<int, 8> kWeights{3, 7, 1, 3, 7, 1, 3, 7};

}  // namespace

UsRtn::UsRtn()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kWeights.size())}) {
}

std::optional<std::int16_t> UsRtn::ComputeCheckDigit(std::string_view payload) {
  fields_.routing_symbol = payload.substr(0, 4);
  int total = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    total += kWeights[i] * DigitValue(payload[i]);
  }
  // The check digit's weight is 1.
  return static_cast<std::int16_t>((10 - total % 10) % 10);
}

}  // namespace numerant
