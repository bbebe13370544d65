#include "schemes/personal/cpr_ahv.h"

#include <array>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::int16_t kCprWeights[9] = {4, 3, 2, 7, 6, 5, 4, 3, 2};
constexpr std::int16_t kAhvWeights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// 11 minus the remainder, 0 for remainder 0; remainder 1 would need the
// digit 10 and so leaves the body without a check digit.
constexpr std::int16_t kElevenMinusRemainder[11] = {0, -1, 9, 8, 7, 6, 5, 4, 3, 2, 1};

constexpr Weights kCprLength[] = {kCprWeights};
constexpr Weights kAhvLength[] = {kAhvWeights};

constexpr WeightedSumRule kCprRule{" -", kCprLength, kElevenMinusRemainder};
// A hyphen stays in the text and makes the number invalid.
constexpr WeightedSumRule kAhvRule{" .", kAhvLength, kElevenMinusRemainder};

// The first sequence digit and the two-digit birth year give the century
// together: years below `year_limit` belong to `below`, the others to `from`.
// A limit of 0 means that the year plays no part, and it is not read.
struct CenturyRule {
  int year_limit;
  std::uint8_t below;
  std::uint8_t from;
};
constexpr std::array<CenturyRule, 10> kCprCentury{{
    {0, 20, 20},
    {0, 20, 20},
    {0, 20, 20},
    {0, 20, 20},
    {37, 21, 20},
    {58, 21, 19},
    {58, 21, 19},
    {58, 21, 19},
    {58, 21, 19},
    {37, 21, 20},
}};

// The sex digit also carries the quarter of the birth date: 1 to 4 for men,
// 5 to 8 for women.
constexpr std::array<std::int32_t, 10> kAhvGender = {0, 1, 1, 1, 1, 2, 2, 2, 2, 0};
// Origin digits 0 to 4 are given to Swiss citizens.
constexpr int kLastCitizenOrigin = 4;

}  // namespace

CPR::CPR() : LegacyWeightedSumNumber(kCprRule) {}

void CPR::ResetFields() {
  birth_date_ = std::int16_t{0};
  century_ = 0;
  sequence_number_ = std::int16_t{0};
}

bool CPR::DecodeFields(std::string_view body) {
  birth_date_ = Characters(body, 1, 6);
  if (!IsDigit(body[6])) return false;
  const CenturyRule& rule = kCprCentury[static_cast<std::size_t>(DigitValue(body[6]))];
  if (rule.year_limit == 0) {
    century_ = rule.from;
  } else {
    const auto year = ParseDecimal16(Characters(body, 5, 6));
    if (!year) return false;
    century_ = *year < rule.year_limit ? rule.below : rule.from;
  }
  sequence_number_ = Characters(body, 7, 9);
  return true;
}

AHV::AHV() : LegacyWeightedSumNumber(kAhvRule) {}

void AHV::ResetFields() {
  alphabet_group_ = std::int16_t{0};
  citizen_ = false;
  gender_ = 0;
  quarter_day_ = std::int16_t{0};
  serial_number_ = 0;
  year_ = std::int16_t{0};
}

bool AHV::DecodeFields(std::string_view body) {
  alphabet_group_ = Characters(body, 1, 3);
  if (!IsDigit(body[9])) return false;
  citizen_ = DigitValue(body[9]) <= kLastCitizenOrigin;
  if (!IsDigit(body[5])) return false;
  gender_ = kAhvGender[static_cast<std::size_t>(DigitValue(body[5]))];
  quarter_day_ = Characters(body, 7, 8);
  if (!IsDigit(body[8])) return false;
  serial_number_ = static_cast<std::uint8_t>(DigitValue(body[8]));
  year_ = Characters(body, 4, 5);
  return true;
}

}  // namespace numerant
