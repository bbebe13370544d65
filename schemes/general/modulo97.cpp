// SPDX-License-Identifier: MIT
#include "schemes/general/modulo97.h"

namespace numerant {

// Group and sign marks may stand anywhere in a typed number.
Modulo97::Modulo97()
    : Modulo97Number({.separators = " -.+/", .payload_lengths = Lengths::AtLeast(1)}) {}

}  // namespace numerant
