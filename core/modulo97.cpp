#include "core/modulo97.h"

#include <cstddef>

#include "core/checked.h"
#include "core/text.h"

namespace numerant {

std::optional<std::int32_t> Remainder97(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  constexpr std::int32_t kModulus = 97;
  // The remainder is carried from piece to piece of up to seven digits and
  // never exceeds 96, so every step stays below 97 x 10^7, inside 32 bits,
  // and a text of any length is read exactly, however large its value.
  constexpr std::size_t kPieceLength = 7;
  Int32 remainder = 0;
  for (std::size_t start = 0; start < digits.size(); start += kPieceLength) {
    const std::string_view piece = digits.substr(start, kPieceLength);
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
  return remainder.value();
}

}  // namespace numerant
