#include "schemes/business/mrn.h"

#include <array>

#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

// The digit that completes the sum to a multiple of 10.
constexpr std::array<std::int16_t, 10> kTensComplement{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// 2v - 9 (v div 5): for a digit the digit sum of its double.
Int16 Doubled(std::uint8_t value) {
  return Int16(2 * value - 9 * (value / 5));
}

}  // namespace

MRN::MRN() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool MRN::AcceptsStemLength(std::size_t length) const {
  return length >= 1;
}

std::optional<std::int16_t> MRN::ComputeCheckDigit(std::string_view stem) {
  // The last character of the stem is always doubled.
  bool doubled = stem.size() % 2 == 1;
  Int16 sum = 0;
  for (char c : stem) {
    // Characters below "0" count negative; on a doubled place they fail.
    const int value = static_cast<unsigned char>(c) - '0';
    if (doubled) {
      if (value < 0) return std::nullopt;
      sum += Doubled(static_cast<std::uint8_t>(value));
    } else {
      sum += value;
    }
    doubled = !doubled;
  }
  const Int16 remainder = sum % 10;
  if (!remainder.ok() || remainder.value() < 0) return std::nullopt;
  return kTensComplement[static_cast<std::size_t>(remainder.value())];
}

}  // namespace numerant
