// SPDX-License-Identifier: MIT
#include "schemes/payments/eur.h"

#include <array>
#include <cstddef>

#include "core/alternating_weights.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

// Entry i brings a total of i modulo 9 to 8 modulo 9; a total already at 8
// takes 9, not 0.
constexpr std::array<std::int16_t, 9> kCheckDigitOfRemainder{8, 7, 6, 5, 4, 3, 2, 1, 9};

// The letter's place in the alphabet, reduced once to its digit sum.
std::uint8_t LetterValue(char letter) {
  return DigitSum(static_cast<std::uint8_t>(letter - 'A' + 1));
}

}  // namespace

EUR::EUR()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(11)}) {}

std::optional<std::int16_t> EUR::ComputeCheckDigit(std::string_view payload) {
  if (payload.empty() || !IsUpperLetter(payload.front())) return RejectCharacter(0);
  fields_.country_code.assign(1, payload.front());
  Int16 total = LetterValue(payload.front());
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    total += DigitValue(payload[i]);
  }
  if (!total.ok()) return std::nullopt;
  return kCheckDigitOfRemainder[static_cast<std::size_t>(total.value() % 9)];
}

}  // namespace numerant
