// SPDX-License-Identifier: MIT
#include "schemes/further/no/fodselsnummer.h"

#include <algorithm>
#include <array>

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 9;
constexpr std::array<int, 9> kFirstWeights{3, 7, 6, 1, 8, 9, 4, 5, 2};
constexpr std::array<int, 10> kSecondWeights{5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// The century's first year from the individual number and YY; 0 for a pair
// that the register does not give.
int CenturyStart(int individual, int yy) {
  if (individual <= 499) return 1900;
  if (individual <= 749 && yy >= 54) return 1800;
  if (yy <= 39) return 2000;
  if (individual >= 900) return 1900;
  return 0;
}

// 11 minus the weighted sum modulo 11, 11 giving 0; -1 for 10.
template <std::size_t N>
int CheckDigitOf(const std::array<int, N>& digits, const std::array<int, N>& weights) {
  int sum = 0;
  for (std::size_t i = 0; i < N; ++i)
    sum += digits[i] * weights[i];
  const int digit = (11 - sum % 11) % 11;
  return digit == 10 ? -1 : digit;
}

}  // namespace

NoFodselsnummer::NoFodselsnummer()
    : CheckDigitNumber(
          {.separators = " -", .payload_lengths = Lengths::Exactly(kPayload), .check_length = 2}) {}

std::optional<std::string> NoFodselsnummer::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  std::array<int, 10> digits{};
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    digits[i] = DigitValue(payload[i]);
  }
  int day = DigitPairValue(payload, 0);
  int month = DigitPairValue(payload, 2);
  const int yy = DigitPairValue(payload, 4);
  const int individual = DigitPairValue(payload, 6) * 10 + digits[8];
  fields_.gender = digits[8] % 2 == 1 ? "male" : "female";
  fields_.kind = "birth number";
  if (day > 40) {
    fields_.kind = "D number";
    day -= 40;
  } else if (month > 40) {
    fields_.kind = "H number";
    month -= 40;
  }
  const int century = CenturyStart(individual, yy);
  if (century == 0) return RejectCharacter(6);
  if (!DateExists(century + yy, month, day))
    return RejectDate(DateAsWritten(century + yy, month, day));
  fields_.birth_date = DateText(century + yy, month, day);
  std::array<int, 9> first{};
  std::copy(digits.begin(), digits.begin() + 9, first.begin());
  const int first_check = CheckDigitOf(first, kFirstWeights);
  if (first_check < 0) return std::nullopt;
  digits[9] = first_check;
  const int second_check = CheckDigitOf(digits, kSecondWeights);
  if (second_check < 0) return std::nullopt;
  return std::string{static_cast<char>('0' + first_check), static_cast<char>('0' + second_check)};
}

}  // namespace numerant
