// SPDX-License-Identifier: MIT
#include "schemes/personal/run.h"

#include <array>
#include <cstdint>

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{3, 2, 7, 6, 5, 4, 3, 2};

}  // namespace

// The check character of the weighted sum's remainder modulo 11. A hyphen
// stays, so "12.345.678-5" is one character too long.
RUN::RUN()
    : CheckLetterNumber({.separators = " .",
                         .payload_lengths = Lengths::Exactly(kWeights.size()),
                         .check_characters = CheckCharacters::kDigitsAndLetters},
                        {.letters = "0K987654321", .weights = kWeights}, "-1", "") {}

}  // namespace numerant
