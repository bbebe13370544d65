#include "schemes/business/dea.h"

#include <array>
#include <span>

#include "core/characters.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// By character position; the two letters in front are not weighted.
constexpr std::array<std::int16_t, 8> kWeights{1, 2, 1, 2, 1, 2, 1, 2};
constexpr std::size_t kLetterCount = 2;

}  // namespace

DEA::DEA() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool DEA::AcceptsStemLength(std::size_t length) const {
  return length == kWeights.size();
}

std::optional<std::int16_t> DEA::ComputeCheckDigit(std::string_view stem) {
  if (stem.size() != kWeights.size()) return std::nullopt;
  const char type = stem[0];
  if ((type != 'A' && type != 'B') || !IsUpperLetter(stem[1])) return std::nullopt;
  // The fields are filled before the digits are tested, so a number with a
  // bad digit still shows them.
  registrant_type_ = Characters(stem, 1, 1);
  last_name_initial_ = Characters(stem, 2, 2);
  const std::string_view digits = Characters(stem, kLetterCount + 1, stem.size());
  prescriber_number_ = FieldValue(digits);
  const auto sum = WeightedDigitSum(digits, std::span(kWeights).subspan(kLetterCount));
  if (!sum) return std::nullopt;
  return static_cast<std::int16_t>(*sum % 10);
}

void DEA::ResetFields() {
  last_name_initial_.clear();
  prescriber_number_ = FieldValue(std::int16_t{0});
  registrant_type_.clear();
}

}  // namespace numerant
