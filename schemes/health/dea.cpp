// SPDX-License-Identifier: MIT
#include "schemes/health/dea.h"

#include <array>
#include <cstddef>

#include "core/characters.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::size_t kLetterCount = 2;
// The six digits behind the two letters.
constexpr std::array<std::int16_t, 6> kWeights{1, 2, 1, 2, 1, 2};

}  // namespace

DEA::DEA()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kLetterCount + kWeights.size())}) {}

std::optional<std::int16_t> DEA::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kLetterCount + kWeights.size()) return std::nullopt;
  if (payload[0] != 'A' && payload[0] != 'B') return RejectCharacter(0);
  if (!IsUpperLetter(payload[1])) return RejectCharacter(1);
  // The fields are filled before the digits are tested, so a number with a
  // bad digit still shows them.
  fields_.registrant_type = Characters(payload, 1, 1);
  fields_.last_name_initial = Characters(payload, 2, 2);
  const std::string_view digits = Characters(payload, kLetterCount + 1, payload.size());
  fields_.prescriber_number = digits;
  for (std::size_t i = kLetterCount; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  const auto sum = WeightedDigitSum(digits, kWeights);
  if (!sum) return std::nullopt;
  return static_cast<std::int16_t>(*sum % 10);
}

}  // namespace numerant
