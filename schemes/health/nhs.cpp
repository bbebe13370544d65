// SPDX-License-Identifier: MIT
#include "schemes/health/nhs.h"

#include <array>
#include <cstdint>

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<Weights, 1> kWeightsByLength{kWeights};

// 11 minus the remainder; remainder 0 gives 0 and remainder 1 gives -1.
constexpr std::array<std::int16_t, 11> kCheckDigitOfRemainder{0, -1, 9, 8, 7, 6, 5, 4, 3, 2, 1};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kCheckDigitOfRemainder};

}  // namespace

NHS::NHS() : WeightedSumNumber(kRule) {}

}  // namespace numerant
