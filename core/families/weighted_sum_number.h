// SPDX-License-Identifier: MIT
// The weighted-sum numbers: each digit of the payload is multiplied by the
// weight of its position, the products are added in 16-bit arithmetic, and
// the remainder of the sum is mapped through a table to the one check digit.
// The schemes differ only in their separators, payload lengths, weights and
// mapping, which are the rows of one table; a scheme with fields decodes them
// from the payload before its digits are tested, so a rejected number of the
// right length still shows what could be read from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/check_digit_number.h"
#include "core/checked.h"
#include "core/weighted_sum.h"

namespace numerant {

using Weights = std::span<const std::int16_t>;

struct WeightedSumRule {
  std::string_view separators;
  // One weight table per accepted payload length; its size is that length.
  std::span<const Weights> weights_by_length;
  // The check digit for each remainder of the sum; the table's size is the
  // modulus.
  std::span<const std::int16_t> check_digit_of_remainder;
  // A second weighting of the same digits, made only when the first leaves
  // remainder 10; a second remainder of 10 counts as 0. Empty for one pass.
  Weights second_weights = {};

  NumberShape Shape() const {
    NumberShape shape{.separators = separators};
    for (Weights weights : weights_by_length) {
      shape.payload_lengths.Add({weights.size(), weights.size()});
    }
    return shape;
  }
};

template <typename Fields = NoFields>
class WeightedSumNumber : public CheckDigitNumber<std::int16_t, Fields> {
 protected:
  explicit WeightedSumNumber(const WeightedSumRule& rule)
      : CheckDigitNumber<std::int16_t, Fields>(rule.Shape()), rule_(&rule) {}

 private:
  // The remainder that calls for the second weighting.
  static constexpr std::int16_t kRemainderForSecondPass = 10;

  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) final {
    for (Weights weights : rule_->weights_by_length) {
      if (weights.size() != payload.size()) continue;
      if (!this->DecodeFields(payload)) return std::nullopt;
      auto remainder = Remainder(payload, weights);
      if (remainder == kRemainderForSecondPass && !rule_->second_weights.empty()) {
        remainder = Remainder(payload, rule_->second_weights);
        if (remainder == kRemainderForSecondPass) remainder = 0;
      }
      const auto table = rule_->check_digit_of_remainder;
      if (!remainder) return this->RejectNonDigit(payload);
      if (static_cast<std::size_t>(*remainder) >= table.size()) return std::nullopt;
      return table[static_cast<std::size_t>(*remainder)];
    }
    return std::nullopt;
  }

  // Always inline, as is the sum: called on two paths, it would hand its
  // optional back through memory.
  [[gnu::always_inline]] std::optional<std::int16_t> Remainder(std::string_view payload,
                                                               Weights weights) const {
    const auto sum = WeightedDigitSum(payload, weights);
    if (!sum) return std::nullopt;
    const Int16 remainder = Int16(*sum) % Int16(rule_->check_digit_of_remainder.size());
    if (!remainder.ok() || remainder.value() < 0) return std::nullopt;
    return remainder.value();
  }

  const WeightedSumRule* rule_;
};

}  // namespace numerant
