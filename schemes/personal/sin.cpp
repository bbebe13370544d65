// SPDX-License-Identifier: MIT
#include "schemes/personal/sin.h"

#include "core/text.h"

namespace numerant {

SIN::SIN() : LuhnNumber({.payload_lengths = Lengths::Exactly(8)}) {}

bool SIN::DecodeFields(std::string_view payload) {
  if (!payload.empty() && IsDigit(payload.front())) {
    fields_.region_code = static_cast<std::uint8_t>(DigitValue(payload.front()));
  }
  return true;
}

}  // namespace numerant
