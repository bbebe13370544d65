// SPDX-License-Identifier: MIT
#include "schemes/further/pt/nif.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{9, 8, 7, 6, 5, 4, 3, 2};

}  // namespace

PtNif::PtNif()
    : CheckDigitNumber({.separators = " -.",
                        .upper_case = true,
                        .prefixes = {"PT"},
                        .payload_lengths = Lengths::Exactly(8)}) {}

std::optional<std::int16_t> PtNif::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() == '0') return RejectCharacter(0);
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // 11 minus the remainder, where 10 and 11 give 0.
  return static_cast<std::int16_t>((11 - *sum % 11) % 11 % 10);
}

}  // namespace numerant
