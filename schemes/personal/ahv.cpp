// SPDX-License-Identifier: MIT
#include "schemes/personal/ahv.h"

#include <array>
#include <cstddef>

#include "core/characters.h"
#include "core/families/remainder_tables.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 10> kWeights{5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
constexpr std::array<Weights, 1> kTenDigits{kWeights};

// Full stops group the digits; a hyphen stays in the text and makes the
// number invalid.
constexpr WeightedSumRule kRule{.separators = " .",
                                .weights_by_length = kTenDigits,
                                .check_digit_of_remainder = kElevenMinusRemainderNoneForOne};

// The sex digit also carries the quarter of the birth date: 1 to 4 for men,
// 5 to 8 for women.
constexpr std::array<std::int32_t, 10> kGenderBySexDigit{0, 1, 1, 1, 1, 2, 2, 2, 2, 0};
// Origin digits 0 to 4 are given to Swiss citizens.
constexpr int kLastCitizenOrigin = 4;

constexpr std::size_t kSexPlace = 5;
constexpr std::size_t kSerialPlace = 8;
constexpr std::size_t kOriginPlace = 9;

}  // namespace

AHV::AHV() : WeightedSumNumber(kRule) {}

bool AHV::DecodeFields(std::string_view payload) {
  // The fields are read in this order, and a field that is not a digit ends
  // the reading, so a rejected number shows the ones before it.
  fields_.alphabet_group = Characters(payload, 1, 3);
  if (!IsDigit(payload[kOriginPlace])) {
    RejectCharacter(kOriginPlace);
    return false;
  }
  fields_.citizen = DigitValue(payload[kOriginPlace]) <= kLastCitizenOrigin;
  if (!IsDigit(payload[kSexPlace])) {
    RejectCharacter(kSexPlace);
    return false;
  }
  fields_.gender = kGenderBySexDigit[static_cast<std::size_t>(DigitValue(payload[kSexPlace]))];
  fields_.quarter_day = Characters(payload, 7, 8);
  if (!IsDigit(payload[kSerialPlace])) {
    RejectCharacter(kSerialPlace);
    return false;
  }
  fields_.serial_number = static_cast<std::uint8_t>(DigitValue(payload[kSerialPlace]));
  fields_.year = Characters(payload, 4, 5);
  return true;
}

}  // namespace numerant
