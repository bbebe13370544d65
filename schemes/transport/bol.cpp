// SPDX-License-Identifier: MIT
#include "schemes/transport/bol.h"

#include <cstddef>

namespace numerant {

BOL::BOL() : Modulo10Number(Lengths::Exactly(16)) {}

}  // namespace numerant
