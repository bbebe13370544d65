// SPDX-License-Identifier: MIT
#include "schemes/further/lt/pvm.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 11> kFirstWeights{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2};
constexpr std::array<std::int16_t, 11> kSecondWeights{3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4};

}  // namespace

LtPvm::LtPvm()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"LT"},
                        .payload_lengths = {{8, 8}, {11, 11}}}) {}

std::optional<std::int16_t> LtPvm::ComputeCheckDigit(std::string_view payload) {
  const std::size_t n = payload.size();
  const auto first = WeightedDigitSum(payload, std::span(kFirstWeights).first(n));
  if (!first) return RejectNonDigit(payload);
  // The digit before the check digit marks a VAT payer.
  if (payload.back() != '1') return RejectCharacter(n - 1);
  int remainder = *first % 11;
  if (remainder == 10) {
    remainder = *WeightedDigitSum(payload, std::span(kSecondWeights).first(n)) % 11;
  }
  return static_cast<std::int16_t>(remainder % 10);
}

}  // namespace numerant
