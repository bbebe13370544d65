// SPDX-License-Identifier: MIT
#include "schemes/products/grid.h"

#include <cstddef>

#include "core/characters.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 17;

}  // namespace

GRid::GRid()
    : Iso7064Number(Iso7064System::kMod37_36,
                    {.separators = " -",
                     .upper_case = true,
                     .payload_letters = true,
                     .payload_lengths = Lengths::Exactly(kPayloadLength),
                     .check_characters = CheckCharacters::kDigitsAndLetters}) {}

// Cut before any character is tested, so a rejected identifier still shows
// its parts.
bool GRid::DecodeFields(std::string_view payload) {
  fields_.identifier_scheme = Characters(payload, 1, 2);
  fields_.issue_code = Characters(payload, 3, 7);
  fields_.release_number = Characters(payload, 8, 17);
  return true;
}

}  // namespace numerant
