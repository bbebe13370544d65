#include "schemes/general/luhn.h"

#include "core/alternating_weights.h"

namespace numerant {

Luhn::Luhn() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Luhn::ComputeCheckDigit(std::string_view payload) {
  if (auto check_digit = LuhnCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
