// SPDX-License-Identifier: MIT
#include "schemes/further/sk/dph.h"

#include <string>

#include "core/text.h"

namespace numerant {
namespace {

// The third digit of a legal entity's number.
bool IsEntityThirdDigit(char c) {
  return c == '2' || c == '3' || c == '4' || c == '7' || c == '8' || c == '9';
}

}  // namespace

SkDph::SkDph()
    : KindedNumber({.separators = " -",
                    .upper_case = true,
                    .prefixes = {"SK"},
                    .payload_lengths = Lengths::Exactly(9)}) {}

std::optional<std::int16_t> SkDph::ComputeCheckDigitAgainst(std::string_view payload,
                                                            std::string_view found) {
  int remainder = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    remainder = (remainder * 10 + DigitValue(payload[i])) % 11;
  }
  std::string date;
  const auto birth_number = BirthNumberCheckDigit(payload, date);
  const bool entity = payload.front() != '0' && IsEntityThirdDigit(payload[2]);
  // The check digit d makes 10 x the payload + d a multiple of 11, so d is
  // the payload's own remainder; 10 is no digit.
  const auto entity_digit = static_cast<std::int16_t>(remainder);
  const bool typed_birth_number =
      birth_number && found.size() == 1 && DigitMatches(found.front(), *birth_number);
  if (entity && !typed_birth_number) {
    fields_.kind = "legal entity";
    return entity_digit;
  }
  if (birth_number) {
    fields_.kind = "birth number";
    return birth_number;
  }
  if (!date.empty()) return RejectDate(date);
  return RejectCharacter(payload.front() == '0' ? 0 : 2);
}

}  // namespace numerant
