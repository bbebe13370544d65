// SPDX-License-Identifier: MIT
#include "schemes/companies/regon.h"

#include <array>
#include <cstdint>

#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kShortWeights{8, 9, 2, 3, 4, 5, 6, 7};
constexpr std::array<std::int16_t, 13> kLongWeights{2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
constexpr std::array<Weights, 2> kWeightsByLength{kShortWeights, kLongWeights};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kRemainderOf11};

}  // namespace

REGON::REGON() : WeightedSumNumber(kRule) {}

}  // namespace numerant
