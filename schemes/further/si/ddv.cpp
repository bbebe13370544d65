// SPDX-License-Identifier: MIT
#include "schemes/further/si/ddv.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

}  // namespace

SiDdv::SiDdv()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"SI"},
                        .payload_lengths = Lengths::Exactly(7)}) {}

std::optional<std::int16_t> SiDdv::ComputeCheckDigit(std::string_view payload) {
  if (payload.front() == '0') return RejectCharacter(0);
  const auto sum = WeightedDigitSum(payload, kWeights);
  if (!sum) return RejectNonDigit(payload);
  // 11 minus the remainder, where 10 gives 0 and 11 no digit.
  const int check = 11 - *sum % 11;
  return static_cast<std::int16_t>(check == 10 ? 0 : check);
}

}  // namespace numerant
