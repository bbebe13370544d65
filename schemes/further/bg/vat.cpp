// SPDX-License-Identifier: MIT
#include "schemes/further/bg/vat.h"

#include <array>

#include "core/calendar.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::size_t kEntityPayload = 8;
constexpr std::array<std::int16_t, 8> kEntityWeights{1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::array<std::int16_t, 8> kEntitySecondWeights{3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<std::int16_t, 9> kEgnWeights{2, 4, 8, 5, 10, 9, 7, 3, 6};
constexpr std::array<std::int16_t, 9> kPnfWeights{21, 19, 17, 13, 11, 9, 7, 3, 1};
constexpr std::array<std::int16_t, 9> kOtherWeights{4, 3, 2, 7, 6, 5, 4, 3, 2};

int TwoDigitValue(std::string_view digits, std::size_t at) {
  return DigitValue(digits[at]) * 10 + DigitValue(digits[at + 1]);
}

// Whether the EGN's first six digits name a date: YYMMDD, the month + 20
// for the 1800s and + 40 for the 2000s.
bool EgnDateExists(std::string_view digits) {
  int year = 1900 + TwoDigitValue(digits, 0);
  int month = TwoDigitValue(digits, 2);
  if (month > 40) {
    year += 100;
    month -= 40;
  } else if (month > 20) {
    year -= 100;
    month -= 20;
  }
  return DateExists(year, month, TwoDigitValue(digits, 4));
}

}  // namespace

BgVat::BgVat()
    : KindedNumber({.separators = " -.",
                    .upper_case = true,
                    .prefixes = {"BG"},
                    .payload_lengths = {{kEntityPayload, kEntityPayload + 1}}}) {}

std::optional<std::int16_t> BgVat::ComputeCheckDigitAgainst(std::string_view payload,
                                                            std::string_view found) {
  if (payload.size() == kEntityPayload) {
    fields_.kind = "legal entity";
    const auto first = WeightedDigitSum(payload, kEntityWeights);
    if (!first) return RejectNonDigit(payload);
    int remainder = *first % 11;
    if (remainder == 10) remainder = *WeightedDigitSum(payload, kEntitySecondWeights) % 11;
    return static_cast<std::int16_t>(remainder % 10);
  }
  const auto egn = WeightedDigitSum(payload, kEgnWeights);
  if (!egn) return RejectNonDigit(payload);
  // Three kinds of person share the length; the one whose digit was typed
  // counts, and without one the EGN, or the PNF where no date is named.
  const bool is_date = EgnDateExists(payload);
  const auto egn_digit = static_cast<std::int16_t>(*egn % 11 % 10);
  const auto pnf_digit = static_cast<std::int16_t>(*WeightedDigitSum(payload, kPnfWeights) % 10);
  const auto other_digit =
      static_cast<std::int16_t>((11 - *WeightedDigitSum(payload, kOtherWeights) % 11) % 11);
  const auto typed = [&](std::int16_t digit) {
    return found.size() == 1 && DigitMatches(found.front(), digit);
  };
  if (typed(other_digit) && !typed(pnf_digit) && !(is_date && typed(egn_digit))) {
    fields_.kind = "other";
    return other_digit;
  }
  if (is_date && !typed(pnf_digit)) {
    fields_.kind = "EGN";
    return egn_digit;
  }
  fields_.kind = "PNF";
  return pnf_digit;
}

}  // namespace numerant
