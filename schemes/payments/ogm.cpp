// SPDX-License-Identifier: MIT
#include "schemes/payments/ogm.h"

namespace numerant {

// Hyphens and full stops are not stripped: they count towards the ten
// characters, though not towards the value.
OGM::OGM() : Modulo97Number({.separators = " +/", .payload_lengths = Lengths::Exactly(10)}) {}

}  // namespace numerant
