// SPDX-License-Identifier: MIT
#include "schemes/personal/pnr.h"

#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/facts.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

constexpr std::size_t kSexPlace = 8;

}  // namespace

PNR::PNR() : LuhnNumber({.payload_lengths = Lengths::Exactly(9)}) {}

bool PNR::DecodeFields(std::string_view payload) {
  fields_.birth_date = Characters(payload, 1, 6);
  if (!IsDigit(payload[kSexPlace])) {
    RejectCharacter(kSexPlace);
    return false;
  }
  fields_.gender = GenderByParity(DigitValue(payload[kSexPlace]));
  return true;
}

// The number does not say the century.
BirthDay PNR::Birthday() const {
  return SixDigitDate(BirthDate().Text(), false, 0);
}

}  // namespace numerant
