#include "schemes/personal/pesel_cnp_jmbg.h"

#include <array>

#include "schemes/personal/gender.h"
#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::int16_t kPeselWeights[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
// The check digit brings the sum up to a multiple of 10.
constexpr std::int16_t kPeselByRemainder[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

constexpr std::int16_t kCnpWeights[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
// The remainder itself, with 10 written as 1.
constexpr std::int16_t kCnpByRemainder[11] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1};

constexpr std::int16_t kJmbgWeights[12] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
// 11 minus the remainder, with 0 for the remainders 0 and 1 that leave no digit.
constexpr std::int16_t kJmbgByRemainder[11] = {0, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

constexpr Weights kPeselLength[] = {kPeselWeights};
constexpr Weights kCnpLength[] = {kCnpWeights};
constexpr Weights kJmbgLength[] = {kJmbgWeights};

constexpr WeightedSumRule kPeselRule{" -", kPeselLength, kPeselByRemainder};
constexpr WeightedSumRule kCnpRule{" -", kCnpLength, kCnpByRemainder};
constexpr WeightedSumRule kJmbgRule{" -", kJmbgLength, kJmbgByRemainder};

// The CNP's first digit gives sex and century together: 1 and 2 for births
// from 1900, 3 and 4 from 1800, 5 and 6 from 2000, and 7 and 8 for residents
// without a century.
constexpr std::array<std::uint8_t, 10> kCnpCentury = {0, 20, 20, 19, 19, 21, 21, 0, 0, 0};
constexpr std::array<std::int32_t, 10> kCnpGender = {0, 1, 2, 1, 2, 1, 2, 1, 2, 0};

// JMBG serials 000 to 499 are given to men, 500 to 999 to women.
constexpr int kFirstFemaleSerial = 500;

}  // namespace

PESEL::PESEL() : LegacyWeightedSumNumber(kPeselRule) {}

void PESEL::ResetFields() {
  birth_date_ = std::int16_t{0};
  gender_ = 0;
  identification_number_ = std::int16_t{0};
}

bool PESEL::DecodeFields(std::string_view body) {
  // The month keeps its century offset: the birth date is shown as written.
  birth_date_ = Characters(body, 1, 6);
  if (!IsDigit(body[9])) return false;
  gender_ = GenderByParity(DigitValue(body[9]));
  identification_number_ = Characters(body, 7, 9);
  return true;
}

CNP::CNP() : LegacyWeightedSumNumber(kCnpRule) {}

void CNP::ResetFields() {
  birth_date_ = std::int16_t{0};
  century_ = 0;
  county_code_ = std::int16_t{0};
  gender_ = 0;
  serial_number_ = std::int16_t{0};
}

bool CNP::DecodeFields(std::string_view body) {
  birth_date_ = Characters(body, 2, 7);
  if (!IsDigit(body[0])) return false;
  const auto d = static_cast<std::size_t>(DigitValue(body[0]));
  century_ = kCnpCentury[d];
  county_code_ = Characters(body, 8, 9);
  gender_ = kCnpGender[d];
  serial_number_ = Characters(body, 10, 12);
  return true;
}

JMBG::JMBG() : LegacyWeightedSumNumber(kJmbgRule) {}

void JMBG::ResetFields() {
  birth_date_ = std::int16_t{0};
  gender_ = 0;
  political_region_code_ = std::int16_t{0};
}

bool JMBG::DecodeFields(std::string_view body) {
  birth_date_ = Characters(body, 1, 7);
  const auto serial = ParseDecimal16(Characters(body, 10, 12));
  if (!serial) return false;
  gender_ = *serial < kFirstFemaleSerial ? 1 : 2;
  political_region_code_ = Characters(body, 8, 9);
  return true;
}

}  // namespace numerant
