// SPDX-License-Identifier: MIT
#include "schemes/companies/btw.h"

namespace numerant {

BTW::BTW()
    : Modulo97Number(
          {.separators = " -.", .payload_lengths = Lengths::Exactly(7), .reverse = true}) {}

}  // namespace numerant
