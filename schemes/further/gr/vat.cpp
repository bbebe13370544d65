// SPDX-License-Identifier: MIT
#include "schemes/further/gr/vat.h"

#include "core/text.h"

namespace numerant {

GrVat::GrVat()
    : CheckDigitNumber({.separators = " -./:",
                        .upper_case = true,
                        .prefixes = {"EL", "GR"},
                        .payload_lengths = {{7, 8}}}) {}

std::optional<std::int16_t> GrVat::ComputeCheckDigit(std::string_view payload) {
  // Doubling before each digit weighs the digits by powers of 2, 2 for the
  // last; a leading 0 of the old form adds nothing.
  int sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    sum = (sum + DigitValue(payload[i])) * 2;
  }
  return static_cast<std::int16_t>(sum % 11 % 10);
}

}  // namespace numerant
