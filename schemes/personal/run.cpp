// SPDX-License-Identifier: MIT
#include "schemes/personal/run.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kWeights{3, 2, 7, 6, 5, 4, 3, 2};

// The check character of each remainder of the sum modulo 11.
constexpr std::string_view kCheckCharacters = "0K987654321";
static_assert(kCheckCharacters.size() == 11);

}  // namespace

// A hyphen stays, so "12.345.678-5" is one character too long.
RUN::RUN()
    : CheckDigitNumber({.separators = " .",
                        .payload_lengths = Lengths::Exactly(kWeights.size()),
                        .check_characters = CheckCharacters::kDigitsAndLetters},
                       "-1", "") {}

std::optional<std::string> RUN::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  return std::string(1, kCheckCharacters[static_cast<std::size_t>(*sum) % kCheckCharacters.size()]);
}

}  // namespace numerant
