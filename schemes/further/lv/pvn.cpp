// SPDX-License-Identifier: MIT
#include "schemes/further/lv/pvn.h"

#include <array>

#include "core/calendar.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 10> kEntityWeights{9, 1, 4, 8, 3, 10, 2, 5, 7, 6};
constexpr std::array<std::int16_t, 10> kPersonWeights{10, 5, 8, 4, 2, 1, 6, 3, 7, 9};

int TwoDigitValue(std::string_view digits, std::size_t at) {
  return DigitValue(digits[at]) * 10 + DigitValue(digits[at + 1]);
}

}  // namespace

LvPvn::LvPvn()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"LV"},
                        .payload_lengths = Lengths::Exactly(10)}) {}

std::optional<std::int16_t> LvPvn::ComputeCheckDigit(std::string_view payload) {
  if (!IsDigit(payload.front())) return RejectCharacter(0);
  if (payload.front() > '3') {
    fields_.kind = "legal entity";
    const auto sum = WeightedDigitSum(payload, kEntityWeights);
    if (!sum) return RejectNonDigit(payload);
    // The check digit weighs 1 and brings the total to 3 modulo 11; 10 is
    // no digit.
    return static_cast<std::int16_t>((3 - *sum % 11 + 11) % 11);
  }
  fields_.kind = "personal code";
  const auto sum = WeightedDigitSum(payload, kPersonWeights);
  if (!sum) return RejectNonDigit(payload);
  const int century = DigitValue(payload[6]);
  if (century > 2) return RejectCharacter(6);
  const int year = 1800 + 100 * century + TwoDigitValue(payload, 4);
  const int month = TwoDigitValue(payload, 2);
  const int day = TwoDigitValue(payload, 0);
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  return static_cast<std::int16_t>((1 + *sum) % 11 % 10);
}

}  // namespace numerant
