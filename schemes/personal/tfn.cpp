// SPDX-License-Identifier: MIT
#include "schemes/personal/tfn.h"

#include <array>
#include <cstdint>

#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

// A short payload uses the leading weights.
constexpr std::array<std::int16_t, 8> kWeights{1, 4, 3, 7, 5, 8, 6, 9};
constexpr std::array<Weights, 2> kWeightsByLength{Weights(kWeights).first(7), Weights(kWeights)};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kRemainderOf11};

}  // namespace

TFN::TFN() : WeightedSumNumber(kRule) {}

}  // namespace numerant
