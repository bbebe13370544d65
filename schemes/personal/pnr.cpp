// SPDX-License-Identifier: MIT
#include "schemes/personal/pnr.h"

#include <cstddef>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 9;
constexpr std::size_t kSexPlace = kPayloadLength - 1;

}  // namespace

PNR::PNR()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

std::optional<std::int16_t> PNR::ComputeCheckDigit(std::string_view payload) {
  // The fields are read before the digits are tested, so a number with a bad
  // digit still shows its birth date and sex.
  fields_.birth_date = Characters(payload, 1, 6);
  if (!IsDigit(payload[kSexPlace])) return RejectCharacter(kSexPlace);
  fields_.gender = GenderByParity(DigitValue(payload[kSexPlace]));
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
