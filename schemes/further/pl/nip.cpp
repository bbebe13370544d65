// SPDX-License-Identifier: MIT
#include "schemes/further/pl/nip.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{6, 5, 7, 2, 3, 4, 5, 6, 7};

}  // namespace

PlNip::PlNip()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"PL"},
                        .payload_lengths = Lengths::Exactly(9)}) {}

std::optional<std::int16_t> PlNip::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // The remainder itself; 10 is no digit and such numbers are not issued.
  return static_cast<std::int16_t>(*sum % 11);
}

}  // namespace numerant
