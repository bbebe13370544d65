// SPDX-License-Identifier: MIT
#include "schemes/health/nih.h"

namespace numerant {

NIH::NIH()
    : Iso7064Number(Iso7064System::kMod11_10,
                    {.separators = " -", .payload_lengths = Lengths::Exactly(9)}) {}

}  // namespace numerant
