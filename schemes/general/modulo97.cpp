#include "schemes/general/modulo97.h"

#include <cstdint>

#include "core/checked.h"
#include "core/text.h"

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
  // The remainder is carried from piece to piece of up to seven digits and
  // never exceeds 96, so every step stays below 97 x 10^7, inside 32 bits,
  // and a payload of any length is read exactly, however large its value.
  constexpr std::size_t kPieceLength = 7;
  Int32 remainder = 0;
  for (std::size_t start = 0; start < payload.size(); start += kPieceLength) {
    const std::string_view piece = payload.substr(start, kPieceLength);
    std::int32_t value = 0;
    std::int32_t scale = 1;
    for (char c : piece) {
      if (!IsDigit(c)) return std::nullopt;
      value = value * 10 + DigitValue(c);
      scale *= 10;
    }
    remainder = (remainder * scale + value) % kModulus;
  }
  if (!remainder.ok()) return std::nullopt;
  const std::int32_t check_number = reverse_ ? kModulus - remainder.value() : remainder.value();
  return FieldValue(TwoDigits(check_number));
}

}  // namespace numerant
