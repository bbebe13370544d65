// SPDX-License-Identifier: MIT
#include "schemes/companies/nip.h"

#include <array>
#include <cstdint>

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::array<Weights, 1> kWeightsByLength{kWeights};

// The remainder itself, with 10 taken as 0.
constexpr std::array<std::int16_t, 11> kCheckDigitOfRemainder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kWeightsByLength,
                                .check_digit_of_remainder = kCheckDigitOfRemainder};

}  // namespace

NIP::NIP() : WeightedSumNumber(kRule) {}

}  // namespace numerant
