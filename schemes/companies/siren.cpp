// SPDX-License-Identifier: MIT
#include "schemes/companies/siren.h"

namespace numerant {

SIREN::SIREN() : LuhnNumber({.payload_lengths = Lengths::Exactly(8)}) {}

}  // namespace numerant
