// SPDX-License-Identifier: MIT
#include "schemes/general/verhoeff.h"

#include "core/verhoeff.h"

namespace numerant {

Verhoeff::Verhoeff()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

std::optional<std::int16_t> Verhoeff::ComputeCheckDigit(std::string_view payload) {
  // The limit counts the check digit too.
  if (payload.size() >= kMaxLength) return std::nullopt;
  if (auto check_digit = VerhoeffCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
