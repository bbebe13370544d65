// SPDX-License-Identifier: MIT
#include "schemes/personal/cpf.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/families/remainder_tables.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kFirstWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 9> kSecondWeights{11, 10, 9, 8, 7, 6, 5, 4, 3};
// The second sum also counts the first check digit, with this weight.
constexpr std::int16_t kFirstCheckDigitWeight = 2;

std::int16_t CheckDigitOf(std::int16_t sum) {
  return kElevenMinusRemainderZeroForOne[static_cast<std::size_t>(sum) %
                                         kElevenMinusRemainderZeroForOne.size()];
}

}  // namespace

CPF::CPF()
    : CheckDigitNumber({.separators = " -.",
                        .payload_lengths = Lengths::Exactly(kFirstWeights.size()),
                        .check_length = 2}) {}

std::optional<FieldValue> CPF::ComputeCheckDigit(std::string_view payload) {
  const auto first_sum = WeightedDigitSum(payload, kFirstWeights);
  if (!first_sum) return RejectNonDigit(payload);
  const std::int16_t first = CheckDigitOf(*first_sum);
  const auto second_sum =
      WeightedDigitSum(payload, kSecondWeights, Int16(first) * kFirstCheckDigitWeight);
  if (!second_sum) return RejectNonDigit(payload);
  const std::int16_t second = CheckDigitOf(*second_sum);
  return FieldValue(std::to_string(first) + std::to_string(second));
}

}  // namespace numerant
