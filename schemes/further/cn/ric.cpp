// SPDX-License-Identifier: MIT
#include "schemes/further/cn/ric.h"

#include "core/calendar.h"
#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 17;

}  // namespace

CnRic::CnRic()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_lengths = Lengths::Exactly(kPayload),
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> CnRic::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  const auto value = Mod112CheckValue(payload);
  if (!value) return RejectNonDigit(payload);
  fields_.region = payload.substr(0, 6);
  fields_.gender = DigitValue(payload[16]) % 2 == 1 ? "male" : "female";
  const int year = DigitPairValue(payload, 6) * 100 + DigitPairValue(payload, 8);
  const int month = DigitPairValue(payload, 10);
  const int day = DigitPairValue(payload, 12);
  if (!DateExists(year, month, day)) return RejectDate(DateAsWritten(year, month, day));
  fields_.birth_date = DateText(year, month, day);
  return *value == 10 ? std::string("X") : std::string(1, static_cast<char>('0' + *value));
}

}  // namespace numerant
