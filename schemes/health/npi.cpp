// SPDX-License-Identifier: MIT
#include "schemes/health/npi.h"

namespace numerant {

NPI::NPI() : LuhnNumber({.payload_lengths = Lengths::Exactly(9), .prefix = "80840"}) {}

}  // namespace numerant
