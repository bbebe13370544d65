#include "schemes/general/modulo97.h"

#include <cstdint>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::int32_t kModulus = 97;

}  // namespace

// Group and sign marks may stand anywhere in a typed number.
Modulo97::Modulo97() : CheckDigitNumber({.separators = " -.+/", .check_length = 2}) {}

bool Modulo97::AcceptsStemLength(std::size_t length) const {
  return length >= 1;
}

std::optional<FieldValue> Modulo97::ComputeCheckDigit(std::string_view payload) {
  // The remainder is carried from digit to digit and never exceeds 96, so a
  // payload of any length is read exactly, however large its value.
  Int32 remainder = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return std::nullopt;
    remainder = (remainder * 10 + DigitValue(c)) % kModulus;
  }
  if (!remainder.ok()) return std::nullopt;
  const std::int32_t check_number = reverse_ ? kModulus - remainder.value() : remainder.value();
  return FieldValue(TwoDigits(check_number));
}

}  // namespace numerant
