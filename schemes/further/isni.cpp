// SPDX-License-Identifier: MIT
#include "schemes/further/isni.h"

namespace numerant {

NameIdentifier::NameIdentifier(std::string_view prefix)
    : Iso7064Number(Iso7064System::kMod11_2,
                    {.separators = " -",
                     .upper_case = true,
                     .prefixes = {prefix, {}},
                     .payload_lengths = Lengths::Exactly(15),
                     .check_characters = CheckCharacters::kDigitsAndLetters}) {}

}  // namespace numerant
