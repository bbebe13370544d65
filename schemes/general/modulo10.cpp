#include "schemes/general/modulo10.h"

#include "core/alternating_weights.h"

namespace numerant {

Modulo10::Modulo10()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Modulo10::ComputeCheckDigit(std::string_view payload) {
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
