// SPDX-License-Identifier: MIT
#include "schemes/further/dk/cvr.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{2, 7, 6, 5, 4, 3, 2};

}  // namespace

DkCvr::DkCvr()
    : CheckDigitNumber({.separators = " -.,/:",
                        .upper_case = true,
                        .prefixes = {"DK"},
                        .payload_lengths = Lengths::Exactly(7)}) {}

std::optional<std::int16_t> DkCvr::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() == '0') return RejectCharacter(0);
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // The check digit weighs 1 and completes a multiple of 11.
  return static_cast<std::int16_t>((11 - *sum % 11) % 11);
}

}  // namespace numerant
