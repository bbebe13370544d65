// SPDX-License-Identifier: MIT
#include "schemes/further/dk/cpr.h"

#include <array>
#include <cstdint>

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kLength = 10;
constexpr std::array<int, kLength> kModulus11Weights{4, 3, 2, 7, 6, 5, 4, 3, 2, 1};

int TwoDigitValue(std::string_view text, std::size_t at) {
  return DigitValue(text[at]) * 10 + DigitValue(text[at + 1]);
}

// The year of birth from the first sequence digit and YY.
int Year(int sequence_digit, int yy) {
  if (sequence_digit <= 3) return 1900 + yy;
  if (sequence_digit == 4 || sequence_digit == 9) return (yy <= 36 ? 2000 : 1900) + yy;
  return (yy <= 57 ? 2000 : 1800) + yy;
}

}  // namespace

DkCpr::DkCpr()
    : CheckDigitNumber(
          {.separators = " -", .payload_lengths = Lengths::Exactly(kLength), .check_length = 0}) {}

std::optional<std::string> DkCpr::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kLength) return std::nullopt;
  int modulus11 = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    modulus11 += DigitValue(payload[i]) * kModulus11Weights[i];
  }
  fields_.modulus11 = modulus11 % 11 == 0;
  fields_.gender = DigitValue(payload[9]) % 2 == 1 ? "male" : "female";
  const int day = TwoDigitValue(payload, 0);
  const int month = TwoDigitValue(payload, 2);
  const int year = Year(DigitValue(payload[6]), TwoDigitValue(payload, 4));
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.birth_date = DateText(year, month, day);
  return std::string();
}

}  // namespace numerant
