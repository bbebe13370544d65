// SPDX-License-Identifier: MIT
#include "schemes/personal/cpr.h"

#include <array>
#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/facts.h"
#include "core/families/remainder_tables.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{4, 3, 2, 7, 6, 5, 4, 3, 2};
constexpr std::array<Weights, 1> kNineDigits{kWeights};

constexpr WeightedSumRule kRule{.separators = " -",
                                .weights_by_length = kNineDigits,
                                .check_digit_of_remainder = kElevenMinusRemainderNoneForOne};

// The first sequence digit and the two-digit birth year give the century
// together: years below `year_limit` belong to `below`, the others to `from`.
// A limit of 0 means that the year plays no part, and it is not read.
struct CenturyRule {
  int year_limit;
  std::uint8_t below;
  std::uint8_t from;
};
constexpr std::array<CenturyRule, 10> kCenturyBySequenceDigit{{
    {0, 20, 20},   // 0
    {0, 20, 20},   // 1
    {0, 20, 20},   // 2
    {0, 20, 20},   // 3
    {37, 21, 20},  // 4: 2000 to 2036, else 1937 to 1999
    {58, 21, 19},  // 5: 2000 to 2057, else 1858 to 1899
    {58, 21, 19},  // 6
    {58, 21, 19},  // 7
    {58, 21, 19},  // 8
    {37, 21, 20},  // 9: as 4
}};

constexpr std::size_t kSequencePlace = 6;

}  // namespace

CPR::CPR() : WeightedSumNumber(kRule) {}

bool CPR::DecodeFields(std::string_view payload) {
  fields_.birth_date = Characters(payload, 1, 6);
  if (!IsDigit(payload[kSequencePlace])) {
    RejectCharacter(kSequencePlace);
    return false;
  }
  const CenturyRule& rule =
      kCenturyBySequenceDigit[static_cast<std::size_t>(DigitValue(payload[kSequencePlace]))];
  if (rule.year_limit == 0) {
    fields_.century = rule.from;
  } else {
    const std::string_view year_text = Characters(payload, 5, 6);
    const auto year = ParseDecimal16(year_text);
    if (!year) {
      RejectCharacter(4 + FirstNonDigit(year_text));
      return false;
    }
    fields_.century = *year < rule.year_limit ? rule.below : rule.from;
  }
  fields_.sequence_number = Characters(payload, 7, 9);
  return true;
}

BirthDay CPR::Birthday() const {
  return SixDigitDate(BirthDate().Text(), true, Century());
}

}  // namespace numerant
