// SPDX-License-Identifier: MIT
#include "schemes/further/ee/kmkr.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{3, 7, 1, 3, 7, 1, 3, 7};

}  // namespace

EeKmkr::EeKmkr()
    : CheckDigitNumber({.separators = " ",
                        .upper_case = true,
                        .prefixes = {"EE"},
                        .payload_lengths = Lengths::Exactly(8)}) {}

std::optional<std::int16_t> EeKmkr::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // The check digit weighs 1 and completes a multiple of 10.
  return static_cast<std::int16_t>((10 - *sum % 10) % 10);
}

}  // namespace numerant
