// SPDX-License-Identifier: MIT
#include "schemes/personal/sis.h"

namespace numerant {

SIS::SIS() : Modulo97Number({.separators = " -.", .payload_lengths = Lengths::Exactly(8)}) {}

}  // namespace numerant
