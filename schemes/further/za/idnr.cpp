// SPDX-License-Identifier: MIT
#include "schemes/further/za/idnr.h"

#include "core/alternating_weights.h"
#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 12;
constexpr std::size_t kCitizenshipPlace = 10;

}  // namespace

ZaIdnr::ZaIdnr()
    : CheckDigitNumber({.separators = " ", .payload_lengths = Lengths::Exactly(kPayload)}) {}

std::optional<std::int16_t> ZaIdnr::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  const auto check_digit = LuhnCheckDigit(payload);
  if (!check_digit) return RejectNonDigit(payload);
  fields_.gender = payload[6] >= '5' ? "male" : "female";
  switch (payload[kCitizenshipPlace]) {
    case '0':
      fields_.citizenship = "citizen";
      break;
    case '1':
      fields_.citizenship = "permanent resident";
      break;
    case '2':
      fields_.citizenship = "refugee";
      break;
    default:
      return RejectCharacter(kCitizenshipPlace);
  }
  const int year = PivotYear(DigitPairValue(payload, 0));
  const int month = DigitPairValue(payload, 2);
  const int day = DigitPairValue(payload, 4);
  fields_.century_inferred = true;
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.birth_date = DateText(year, month, day);
  return check_digit;
}

}  // namespace numerant
