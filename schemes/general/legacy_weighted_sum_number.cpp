#include "schemes/general/legacy_weighted_sum_number.h"

#include "core/checked.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// The remainder that calls for the second weighting.
constexpr std::int16_t kRemainderForSecondPass = 10;

}  // namespace

LegacyWeightedSumNumber::LegacyWeightedSumNumber(const WeightedSumRule& rule)
    : CheckDigitNumber({.separators = rule.separators}), rule_(&rule) {}

bool LegacyWeightedSumNumber::AcceptsStemLength(std::size_t length) const {
  for (Weights weights : rule_->weights_by_length) {
    if (weights.size() == length) return true;
  }
  return false;
}

std::optional<std::int16_t> LegacyWeightedSumNumber::ComputeCheckDigit(std::string_view stem) {
  for (Weights weights : rule_->weights_by_length) {
    if (weights.size() != stem.size()) continue;
    if (!DecodeFields(stem)) return std::nullopt;
    auto remainder = Remainder(stem, weights);
    if (remainder == kRemainderForSecondPass && !rule_->second_weights.empty()) {
      remainder = Remainder(stem, rule_->second_weights);
      if (remainder == kRemainderForSecondPass) remainder = 0;
    }
    const auto table = rule_->check_digit_of_remainder;
    if (!remainder || static_cast<std::size_t>(*remainder) >= table.size()) return std::nullopt;
    return table[static_cast<std::size_t>(*remainder)];
  }
  return std::nullopt;
}

std::optional<std::int16_t> LegacyWeightedSumNumber::Remainder(std::string_view stem,
                                                               Weights weights) const {
  const auto sum = WeightedDigitSum(stem, weights);
  if (!sum) return std::nullopt;
  const Int16 remainder = Int16(*sum) % Int16(rule_->check_digit_of_remainder.size());
  if (!remainder.ok() || remainder.value() < 0) return std::nullopt;
  return remainder.value();
}

}  // namespace numerant
