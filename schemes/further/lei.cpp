// SPDX-License-Identifier: MIT
#include "schemes/further/lei.h"

namespace numerant {

Lei::Lei()
    : Iso7064Number(Iso7064System::kMod97_10, {.separators = " -",
                                               .upper_case = true,
                                               .payload_letters = true,
                                               .payload_lengths = Lengths::Exactly(18),
                                               .check_length = 2}) {}

// Cut before any character is tested, so a rejected code still shows its
// parts.
bool Lei::DecodeFields(std::string_view payload) {
  fields_.lou_prefix = payload.substr(0, 4);
  fields_.entity_part = payload.substr(4);
  return true;
}

}  // namespace numerant
