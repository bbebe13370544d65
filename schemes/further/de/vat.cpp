// SPDX-License-Identifier: MIT
#include "schemes/further/de/vat.h"

namespace numerant {

DeVat::DeVat()
    : Iso7064Number(Iso7064System::kMod11_10, {.separators = " -./,",
                                               .upper_case = true,
                                               .prefixes = {"DE"},
                                               .payload_lengths = Lengths::Exactly(8)}) {}

// No number starts with 0.
bool DeVat::DecodeFields(std::string_view payload) {
  if (payload.front() != '0') return true;
  RejectCharacter(0);
  return false;
}

}  // namespace numerant
