// SPDX-License-Identifier: MIT
#include "schemes/personal/pps.h"

#include <array>
#include <cstdint>

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

}  // namespace

// The letter of the weighted sum's remainder modulo 23.
PPS::PPS()
    : CheckLetterNumber({.separators = " -",
                         .payload_lengths = Lengths::Exactly(kWeights.size()),
                         .check_characters = CheckCharacters::kLetters},
                        {.letters = kIrishCheckLetters, .weights = kWeights}) {}

}  // namespace numerant
