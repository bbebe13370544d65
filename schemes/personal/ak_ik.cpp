// SPDX-License-Identifier: MIT
#include "schemes/personal/ak_ik.h"

#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/facts.h"
#include "core/families/remainder_tables.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 10> kFirstWeights{1, 2, 3, 4, 5, 6, 7, 8, 9, 1};
constexpr std::array<std::int16_t, 10> kSecondWeights{3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
constexpr std::array<Weights, 1> kTenDigits{kFirstWeights};

// The check digit is the remainder itself; only IK ever keeps 10.
constexpr WeightedSumRule kAkRule{.separators = " -",
                                  .weights_by_length = kTenDigits,
                                  .check_digit_of_remainder = kRemainderOf11,
                                  .second_weights = kSecondWeights};
constexpr WeightedSumRule kIkRule{.separators = " -",
                                  .weights_by_length = kTenDigits,
                                  .check_digit_of_remainder = kRemainderOf11};

// AK's first digits come in pairs per century, odd for men and even for
// women: 1 and 2 give 18, 3 and 4 give 19 and so on, from 17 for 0 up to 22
// for 9; 0 and 9 belong to neither sex.
constexpr ElevenDigitPersonalCode::FirstDigitMeaning kAkFirstDigit{
    .century = {17, 18, 18, 19, 19, 20, 20, 21, 21, 22}, .gender = {0, 1, 2, 1, 2, 1, 2, 1, 2, 0}};

// IK knows the first digits 1 to 6 only for the century, while its sex
// follows the parity of any first digit.
constexpr ElevenDigitPersonalCode::FirstDigitMeaning kIkFirstDigit{
    .century = {0, 19, 19, 20, 20, 21, 21, 0, 0, 0}, .gender = {2, 1, 2, 1, 2, 1, 2, 1, 2, 1}};

}  // namespace

AK::AK() : ElevenDigitPersonalCode(kAkRule, kAkFirstDigit) {}

IK::IK() : ElevenDigitPersonalCode(kIkRule, kIkFirstDigit) {}

bool ElevenDigitPersonalCode::DecodeFields(std::string_view payload) {
  // The birth date is read before the first digit is looked at.
  fields_.birth_date = Characters(payload, 2, 7);
  if (!IsDigit(payload[0])) {
    RejectCharacter(0);
    return false;
  }
  const auto first = static_cast<std::size_t>(DigitValue(payload[0]));
  fields_.century = first_digit_->century[first];
  fields_.gender = first_digit_->gender[first];
  fields_.serial_number = Characters(payload, 8, 10);
  return true;
}

BirthDay AK::Birthday() const {
  const int century = Century();
  return SixDigitDate(BirthDate().Text(), false, century >= 18 && century <= 20 ? century + 1 : 0);
}

BirthDay IK::Birthday() const {
  return SixDigitDate(BirthDate().Text(), false, Century());
}

}  // namespace numerant
