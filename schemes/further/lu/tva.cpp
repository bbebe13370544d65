// SPDX-License-Identifier: MIT
#include "schemes/further/lu/tva.h"

#include "core/text.h"

namespace numerant {

LuTva::LuTva()
    : CheckDigitNumber({.separators = " :.-",
                        .upper_case = true,
                        .prefixes = {"LU"},
                        .payload_lengths = Lengths::Exactly(6),
                        .check_length = 2}) {}

std::optional<std::string> LuTva::ComputeCheckDigit(std::string_view payload) {
  const auto number = ParseDecimal32(payload);
  if (!number) return RejectNonDigit(payload);
  return TwoDigits(*number % 89);
}

}  // namespace numerant
