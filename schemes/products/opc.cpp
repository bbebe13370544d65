// SPDX-License-Identifier: MIT
#include "schemes/products/opc.h"

#include <cstddef>

#include "core/characters.h"

namespace numerant {

OPC::OPC() : LuhnNumber({.payload_lengths = Lengths::Exactly(9)}) {}

// The fields are cut before any digit is tested.
bool OPC::DecodeFields(std::string_view payload) {
  fields_.manufacturer_code = Characters(payload, 1, 5);
  fields_.product_code = Characters(payload, 6, 9);
  return true;
}

}  // namespace numerant
