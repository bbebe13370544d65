// SPDX-License-Identifier: MIT
#include "schemes/further/no/mva.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// The organisation number's digits before its check digit.
constexpr std::size_t kDigits = 8;
constexpr std::string_view kSuffix = "MVA";
constexpr std::array<std::int16_t, kDigits> kWeights{3, 2, 7, 6, 5, 4, 3, 2};

}  // namespace

NoMva::NoMva()
    : CheckDigitNumber({.separators = " ",
                        .upper_case = true,
                        .prefixes = {"NO"},
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kDigits + kSuffix.size()),
                        .check_place = kDigits}) {}

std::optional<std::int16_t> NoMva::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload.substr(0, kDigits), kWeights);
  if (!sum) return RejectNonDigit(payload);
  for (std::size_t i = 0; i < kSuffix.size(); ++i) {
    if (payload[kDigits + i] != kSuffix[i]) return RejectCharacter(kDigits + i);
  }
  // 11 minus the remainder, 0 for a remainder of 0; 10 is no digit.
  return static_cast<std::int16_t>((11 - *sum % 11) % 11);
}

}  // namespace numerant
