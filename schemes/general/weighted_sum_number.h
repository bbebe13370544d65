// The weighted-sum numbers: each digit of the stem is multiplied by the weight
// of its position, the products are added in 16-bit arithmetic, and the
// remainder of the sum is mapped through a table to the one check digit.
// The schemes differ only in their separators, stem lengths, weights and
// mapping, which are the rows of one table; a scheme with fields decodes them
// from the stem before its digits are tested, so a rejected number of the
// right length still shows what could be read from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/check_digit_number.h"

namespace numerant {

using Weights = std::span<const std::int16_t>;

struct WeightedSumRule {
  std::string_view separators;
  // One weight table per accepted stem length; its size is that length.
  std::span<const Weights> weights_by_length;
  // The check digit for each remainder of the sum; the table's size is the
  // modulus.
  std::span<const std::int16_t> check_digit_of_remainder;
  // A second weighting of the same digits, made only when the first leaves
  // remainder 10; a second remainder of 10 counts as 0. Empty for one pass.
  Weights second_weights = {};
};

class WeightedSumNumber : public CheckDigitNumber<std::int16_t> {
 protected:
  explicit WeightedSumNumber(const WeightedSumRule& rule);

  // Reads the fields from their positions in the stem; false when a
  // conversion fails, with the fields read so far kept.
  virtual bool DecodeFields(std::string_view /*stem*/) { return true; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
  std::optional<std::int16_t> Remainder(std::string_view stem, Weights weights) const;

  const WeightedSumRule* rule_;
};

}  // namespace numerant
