// SPDX-License-Identifier: MIT
#include "schemes/personal/pps.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

// The letter of each remainder of the sum modulo 23: "W" for 0, then "A" to
// "V".
constexpr std::string_view kLetters = "WABCDEFGHIJKLMNOPQRSTUV";
static_assert(kLetters.size() == 23);

}  // namespace

PPS::PPS()
    : CheckDigitNumber({.separators = " -",
                        .payload_lengths = Lengths::Exactly(kWeights.size()),
                        .check_characters = CheckCharacters::kLetters}) {}

std::optional<std::string> PPS::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  return std::string(1, kLetters[static_cast<std::size_t>(*sum) % kLetters.size()]);
}

}  // namespace numerant
