// SPDX-License-Identifier: MIT
#include "schemes/further/mx/curp.h"

#include <algorithm>
#include <array>

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 17;
constexpr std::size_t kGenderPlace = 10;
constexpr std::size_t kStatePlace = 11;
constexpr std::size_t kCenturyPlace = 16;

// The states of birth as RENAPO writes them, NE for abroad.
constexpr std::array<std::string_view, 33> kStates{
    "AS", "BC", "BS", "CC", "CH", "CL", "CM", "CS", "DF", "DG", "GR",
    "GT", "HG", "JC", "MC", "MN", "MS", "NE", "NL", "NT", "OC", "PL",
    "QR", "QT", "SL", "SP", "SR", "TC", "TL", "TS", "VZ", "YN", "ZS"};

// The places of the date's digits; every other place but the century's
// holds a letter.
constexpr bool IsDatePlace(std::size_t i) {
  return i >= 4 && i < 10;
}

// The rank of a digit or capital in 0 to 9, A to N, Ñ, O to Z.
int Rank(char c) {
  if (IsDigit(c)) return DigitValue(c);
  return c - 'A' + 10 + (c > 'N' ? 1 : 0);
}

}  // namespace

MxCurp::MxCurp()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayload)}) {}

std::optional<std::int16_t> MxCurp::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  int sum = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    const bool fits = i == kCenturyPlace ? IsDigit(c) || IsUpperLetter(c)
                      : IsDatePlace(i)   ? IsDigit(c)
                                         : IsUpperLetter(c);
    if (!fits) return RejectCharacter(i);
    sum += Rank(c) * static_cast<int>(18 - i);
  }
  const char sex = payload[kGenderPlace];
  if (sex != 'H' && sex != 'M') return RejectCharacter(kGenderPlace);
  fields_.gender = sex == 'H' ? "male" : "female";
  const std::string_view state = payload.substr(kStatePlace, 2);
  if (std::find(kStates.begin(), kStates.end(), state) == kStates.end()) {
    // The first letter that no state has there.
    const bool first_fits = std::any_of(kStates.begin(), kStates.end(),
                                        [&](std::string_view s) { return s[0] == state[0]; });
    return RejectCharacter(kStatePlace + (first_fits ? 1 : 0));
  }
  fields_.state = state;
  const int year = (IsDigit(payload[kCenturyPlace]) ? 1900 : 2000) + DigitPairValue(payload, 4);
  const int month = DigitPairValue(payload, 6);
  const int day = DigitPairValue(payload, 8);
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.birth_date = DateText(year, month, day);
  return static_cast<std::int16_t>((10 - sum % 10) % 10);
}

}  // namespace numerant
