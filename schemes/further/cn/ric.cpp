// SPDX-License-Identifier: MIT
#include "schemes/further/cn/ric.h"

#include "core/calendar.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 17;

}  // namespace

CnRic::CnRic()
    : Iso7064Number(Iso7064System::kMod11_2,
                    {.separators = " -",
                     .upper_case = true,
                     .payload_lengths = Lengths::Exactly(kPayload),
                     .check_characters = CheckCharacters::kDigitsAndLetters}) {}

// Read once every character is a digit; a date that does not exist leaves
// no check character.
bool CnRic::DecodeFields(std::string_view payload) {
  if (payload.size() != kPayload) return false;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) {
      RejectCharacter(i);
      return false;
    }
  }
  fields_.region = payload.substr(0, 6);
  fields_.gender = DigitValue(payload[16]) % 2 == 1 ? "male" : "female";
  const int year = DigitPairValue(payload, 6) * 100 + DigitPairValue(payload, 8);
  const int month = DigitPairValue(payload, 10);
  const int day = DigitPairValue(payload, 12);
  if (!DateExists(year, month, day)) {
    RejectDate(DateAsWritten(year, month, day));
    return false;
  }
  fields_.birth_date = DateText(year, month, day);
  return true;
}

}  // namespace numerant
