// SPDX-License-Identifier: MIT
#include "schemes/further/lei.h"

#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {

namespace {

constexpr std::size_t kPayloadLength = 18;

}  // namespace

Lei::Lei()
    : Iso7064Number(Iso7064System::kMod97_10, {.separators = " -",
                                               .upper_case = true,
                                               .payload_letters = true,
                                               .payload_lengths = Lengths::Exactly(kPayloadLength),
                                               .check_length = 2}) {}

bool Lei::IsValid(std::string_view number) {
  // Twenty capitals and digits, the last two digits: the remainder is taken
  // on the caller's text, without a field or a copy.
  if (number.size() == kPayloadLength + 2 && IsDigit(number[kPayloadLength]) &&
      IsDigit(number[kPayloadLength + 1])) {
    Remainder97Builder remainder;
    if (remainder.AppendAlphanumerics(number.substr(0, kPayloadLength))) {
      remainder.AppendTwoDigits(0);
      const int found =
          10 * DigitValue(number[kPayloadLength]) + DigitValue(number[kPayloadLength + 1]);
      return found == 98 - remainder.Remainder();
    }
  }
  return Iso7064Number::IsValid(number);
}

// Cut before any character is tested, so a rejected code still shows its
// parts; the fieldless route needs neither.
bool Lei::DecodeFields(std::string_view payload) {
  if (fieldless_) return true;
  fields_.lou_prefix = payload.substr(0, 4);
  fields_.entity_part = payload.substr(4);
  return true;
}

}  // namespace numerant
