// SPDX-License-Identifier: MIT
#include "schemes/further/de/idnr.h"

#include <array>

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 10;

}  // namespace

DeIdnr::DeIdnr()
    : CheckDigitNumber({.separators = " -./", .payload_lengths = Lengths::Exactly(kPayload)}) {}

std::optional<std::int16_t> DeIdnr::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  std::array<int, 10> seen{};
  int repeated = -1;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) || (i == 0 && payload[i] == '0')) return RejectCharacter(i);
    const int digit = DigitValue(payload[i]);
    const int count = ++seen[static_cast<std::size_t>(digit)];
    if (count == 2) {
      // A second digit that repeats.
      if (repeated >= 0) return RejectCharacter(i);
      repeated = digit;
    }
    if (count > 3) return RejectCharacter(i);
    if (count == 3 && payload[i - 1] == payload[i] && payload[i - 2] == payload[i])
      return RejectCharacter(i);
  }
  // Ten different digits: the last should have repeated one of the others.
  if (repeated < 0) return RejectCharacter(kPayload - 1);
  const auto last = Mod1110LastIntermediate(payload);
  if (!last) return std::nullopt;
  return static_cast<std::int16_t>((11 - 2 * *last % 11) % 10);
}

}  // namespace numerant
