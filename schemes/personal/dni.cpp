// SPDX-License-Identifier: MIT
#include "schemes/personal/dni.h"

#include <cstddef>

#include "core/text.h"

namespace numerant {
namespace {

// The letter of each remainder of the number modulo 23.
constexpr std::string_view kLetters = "TRWAGMYFPDXBNJZSQVHLCKE";
static_assert(kLetters.size() == 23);

constexpr std::size_t kPayloadLength = 8;

}  // namespace

DNI::DNI()
    : CheckDigitNumber({.separators = " -",
                        .payload_lengths = Lengths::Exactly(kPayloadLength),
                        .check_characters = CheckCharacters::kLetters}) {}

std::optional<std::string> DNI::ComputeCheckDigit(std::string_view payload) {
  // Eight digits always fit 32 bits.
  const auto number = ParseDecimal32(payload);
  if (!number) return RejectNonDigit(payload);
  return std::string(1, kLetters[static_cast<std::size_t>(*number) % kLetters.size()]);
}

}  // namespace numerant
