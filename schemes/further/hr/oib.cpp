// SPDX-License-Identifier: MIT
#include "schemes/further/hr/oib.h"

namespace numerant {

HrOib::HrOib()
    : Iso7064Number(Iso7064System::kMod11_10, {.separators = " -",
                                               .upper_case = true,
                                               .prefixes = {"HR"},
                                               .payload_lengths = Lengths::Exactly(10)}) {}

}  // namespace numerant
