// SPDX-License-Identifier: MIT
#include "schemes/transport/uic.h"

#include <cstddef>

#include "core/characters.h"

namespace numerant {

// No upper-casing: only digits are accepted anyway.
UIC::UIC() : LuhnNumber({.payload_lengths = Lengths::Exactly(11)}) {}

// Cut before the digits are tested, so a rejected number still shows its
// parts.
bool UIC::DecodeFields(std::string_view payload) {
  fields_.type_code = Characters(payload, 1, 2);
  fields_.country_code = Characters(payload, 3, 4);
  fields_.type_number = Characters(payload, 5, 8);
  fields_.serial_number = Characters(payload, 9, 11);
  return true;
}

}  // namespace numerant
