// SPDX-License-Identifier: MIT
#include "schemes/companies/nip.h"

#include <array>
#include <cstdint>

#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::array<Weights, 1> kWeightsByLength{kWeights};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kRemainderOf11TenAsZero};

}  // namespace

NIP::NIP() : WeightedSumNumber(kRule) {}

}  // namespace numerant
