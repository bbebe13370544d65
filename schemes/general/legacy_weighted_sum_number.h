// Transitional: the old form of the weighted-sum base, until every scheme
// derives from core/weighted_sum_number.h.
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
#include "core/weighted_sum_number.h"

namespace numerant {

class LegacyWeightedSumNumber : public CheckDigitNumber<std::int16_t> {
 protected:
  explicit LegacyWeightedSumNumber(const WeightedSumRule& rule);

  // Reads the fields from their positions in the stem; false when a
  // conversion fails, with the fields read so far kept.
  virtual bool DecodeFields(std::string_view /*stem*/) { return true; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;  // transitional
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
  std::optional<std::int16_t> Remainder(std::string_view stem, Weights weights) const;

  const WeightedSumRule* rule_;
};

}  // namespace numerant
