// SPDX-License-Identifier: MIT
#include "schemes/health/nih.h"

#include <array>
#include <cstddef>

#include "core/iso7064.h"

namespace numerant {
namespace {

// By the last intermediate value s modulo 10 (s = 10 stands at 0).
constexpr std::array<std::int16_t, 10> kCheckDigitOfLast{2, 9, 7, 5, 3, 1, 0, 8, 6, 4};

}  // namespace

NIH::NIH() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(9)}) {}

std::optional<std::int16_t> NIH::ComputeCheckDigit(std::string_view payload) {
  const auto last = Mod1110LastIntermediate(payload);
  if (!last) return RejectNonDigit(payload);
  return kCheckDigitOfLast[static_cast<std::size_t>(*last % 10)];
}

}  // namespace numerant
