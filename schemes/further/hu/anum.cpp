// SPDX-License-Identifier: MIT
#include "schemes/further/hu/anum.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{9, 7, 3, 1, 9, 7, 3};

}  // namespace

HuAnum::HuAnum()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"HU"},
                        .payload_lengths = Lengths::Exactly(7)}) {}

std::optional<std::int16_t> HuAnum::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // The check digit weighs 1 and completes a multiple of 10.
  return static_cast<std::int16_t>((10 - *sum % 10) % 10);
}

}  // namespace numerant
