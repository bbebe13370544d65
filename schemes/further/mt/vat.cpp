// SPDX-License-Identifier: MIT
#include "schemes/further/mt/vat.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 6> kWeights{3, 4, 6, 7, 8, 9};

}  // namespace

MtVat::MtVat()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"MT"},
                        .payload_lengths = Lengths::Exactly(6),
                        .check_length = 2}) {}

std::optional<std::string> MtVat::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() == '0') return RejectCharacter(0);
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  return TwoDigits((37 - *sum % 37) % 37);
}

}  // namespace numerant
