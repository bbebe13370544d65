// SPDX-License-Identifier: MIT
#include "schemes/companies/acn.h"

#include <array>
#include <cstdint>

#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<Weights, 1> kWeightsByLength{kWeights};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kTenMinusRemainder};

}  // namespace

ACN::ACN() : WeightedSumNumber(kRule) {}

}  // namespace numerant
