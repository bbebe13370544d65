// SPDX-License-Identifier: MIT
#include "schemes/companies/duns.h"

namespace numerant {

DUNS::DUNS() : LuhnNumber({.payload_lengths = Lengths::Exactly(8)}) {}

}  // namespace numerant
