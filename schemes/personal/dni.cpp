// SPDX-License-Identifier: MIT
#include "schemes/personal/dni.h"

namespace numerant {

// The letter of the eight digits' remainder modulo 23.
DNI::DNI()
    : CheckLetterNumber({.separators = " -",
                         .payload_lengths = Lengths::Exactly(8),
                         .check_characters = CheckCharacters::kLetters},
                        {.letters = kSpanishCheckLetters}) {}

}  // namespace numerant
