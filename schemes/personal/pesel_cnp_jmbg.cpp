// SPDX-License-Identifier: MIT
#include "schemes/personal/pesel_cnp_jmbg.h"

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

constexpr std::array<std::int16_t, 10> kPeselWeights{1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
constexpr std::array<Weights, 1> kPeselLength{kPeselWeights};
// The check digit brings the sum up to a multiple of 10.
constexpr WeightedSumRule kPeselRule{.separators = " -",
                                     .weights_by_length = kPeselLength,
                                     .check_digit_of_remainder = kTenMinusRemainder};

constexpr std::array<std::int16_t, 12> kCnpWeights{2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
constexpr std::array<Weights, 1> kCnpLength{kCnpWeights};
// The remainder itself, with 10 written as 1.
constexpr std::array<std::int16_t, 11> kCnpCheckDigit{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1};
constexpr WeightedSumRule kCnpRule{.separators = " -",
                                   .weights_by_length = kCnpLength,
                                   .check_digit_of_remainder = kCnpCheckDigit};

constexpr std::array<std::int16_t, 12> kJmbgWeights{7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
constexpr std::array<Weights, 1> kJmbgLength{kJmbgWeights};
constexpr WeightedSumRule kJmbgRule{.separators = " -",
                                    .weights_by_length = kJmbgLength,
                                    .check_digit_of_remainder = kElevenMinusRemainderZeroForOne};

// The CNP's first digit gives sex and century together: 1 and 2 for births
// from 1900, 3 and 4 from 1800, 5 and 6 from 2000, and 7 and 8 for residents
// without a century.
constexpr std::array<std::uint8_t, 10> kCnpCentury{0, 20, 20, 19, 19, 21, 21, 0, 0, 0};
constexpr std::array<std::int32_t, 10> kCnpGender{0, 1, 2, 1, 2, 1, 2, 1, 2, 0};

// JMBG serials 000 to 499 are given to men, 500 to 999 to women.
constexpr int kFirstFemaleSerial = 500;

}  // namespace

PESEL::PESEL() : WeightedSumNumber(kPeselRule) {}

bool PESEL::DecodeFields(std::string_view payload) {
  constexpr std::size_t kSexDigit = 9;
  fields_.birth_date = Characters(payload, 1, 6);
  if (!IsDigit(payload[kSexDigit])) {
    RejectCharacter(kSexDigit);
    return false;
  }
  fields_.gender = GenderByParity(DigitValue(payload[kSexDigit]));
  fields_.identification_number = Characters(payload, 7, 9);
  return true;
}

CNP::CNP() : WeightedSumNumber(kCnpRule) {}

bool CNP::DecodeFields(std::string_view payload) {
  fields_.birth_date = Characters(payload, 2, 7);
  if (!IsDigit(payload[0])) {
    RejectCharacter(0);
    return false;
  }
  const auto first = static_cast<std::size_t>(DigitValue(payload[0]));
  fields_.century = kCnpCentury[first];
  fields_.county_code = Characters(payload, 8, 9);
  fields_.gender = kCnpGender[first];
  fields_.serial_number = Characters(payload, 10, 12);
  return true;
}

JMBG::JMBG() : WeightedSumNumber(kJmbgRule) {}

bool JMBG::DecodeFields(std::string_view payload) {
  constexpr std::size_t kSerialPlace = 9;
  fields_.birth_date = Characters(payload, 1, 7);
  const std::string_view serial_text = Characters(payload, kSerialPlace + 1, 12);
  const auto serial = ParseDecimal16(serial_text);
  if (!serial) {
    RejectCharacter(kSerialPlace + FirstNonDigit(serial_text));
    return false;
  }
  fields_.gender = *serial < kFirstFemaleSerial ? 1 : 2;
  fields_.political_region_code = Characters(payload, 8, 9);
  return true;
}

// The month carries the century: 1 to 12 for the 1900s, raised by 20 for the
// 2000s, 40 for the 2100s, 60 for the 2200s and 80 for the 1800s.
BirthDay PESEL::Birthday() const {
  BirthDay date = SixDigitDate(BirthDate().Text(), false, 20);
  constexpr int kFirstYearOfOffset[5] = {1900, 2000, 2100, 2200, 1800};
  const int offset = (date.month - 1) / 20;
  if (date.month < 1 || offset > 4) return {};
  date.year = kFirstYearOfOffset[offset] + date.year % 100;
  date.month -= offset * 20;
  return date;
}

BirthDay CNP::Birthday() const {
  return SixDigitDate(BirthDate().Text(), false, Century());
}

// DDMMYYY: the year without its thousands, 800 to 999 for 1800 to 1999 and
// the rest for the 2000s.
BirthDay JMBG::Birthday() const {
  const std::string_view digits = BirthDate().Text();
  if (digits.size() != 7) return {};
  for (char c : digits) {
    if (c < '0' || c > '9') return {};
  }
  const int year = (digits[4] - '0') * 100 + DigitPairValue(digits, 5);
  return BirthDay{.year = year >= 800 ? 1000 + year : 2000 + year,
                  .month = DigitPairValue(digits, 2),
                  .day = DigitPairValue(digits, 0)};
}

}  // namespace numerant
