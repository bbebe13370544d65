#include "schemes/general/modulo97.h"

#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {

// Group and sign marks may stand anywhere in a typed number.
Modulo97::Modulo97()
    : CheckDigitNumber(
          {.separators = " -.+/", .payload_lengths = Lengths::AtLeast(1), .check_length = 2}) {}

std::optional<FieldValue> Modulo97::ComputeCheckDigit(std::string_view payload) {
  const auto remainder = Remainder97(payload);
  if (!remainder) return RejectNonDigit(payload);
  return FieldValue(TwoDigits(reverse_ ? 97 - *remainder : *remainder));
}

}  // namespace numerant
