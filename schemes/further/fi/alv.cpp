// SPDX-License-Identifier: MIT
#include "schemes/further/fi/alv.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{7, 9, 10, 5, 8, 4, 2};

}  // namespace

FiAlv::FiAlv()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"FI"},
                        .payload_lengths = Lengths::Exactly(7)}) {}

std::optional<std::int16_t> FiAlv::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // The check digit weighs 1 and completes a multiple of 11; 10 is no digit.
  return static_cast<std::int16_t>((11 - *sum % 11) % 11);
}

}  // namespace numerant
