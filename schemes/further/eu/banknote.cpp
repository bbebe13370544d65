// SPDX-License-Identifier: MIT
#include "schemes/further/eu/banknote.h"

#include "core/text.h"

namespace numerant {

EuBanknote::EuBanknote()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(11),
                        .check_characters = CheckCharacters::kDigits}) {}

std::optional<std::int16_t> EuBanknote::ComputeCheckDigit(std::string_view payload) {
  if (payload.empty() || !IsUpperLetter(payload.front())) return RejectCharacter(0);
  // A second letter makes the note one of the Europa series.
  const bool europa = payload.size() > 1 && IsUpperLetter(payload[1]);
  if (europa) {
    fields_.printer_code = payload.substr(0, 1);
    fields_.serial_letter = payload.substr(1, 1);
  } else {
    fields_.country_code = payload.substr(0, 1);
  }
  const std::size_t letters = europa ? 2 : 1;
  int total = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    if (i < letters) {
      total += static_cast<unsigned char>(c);
    } else if (IsDigit(c)) {
      total += DigitValue(c);
    } else {
      return RejectCharacter(i);
    }
  }
  // 9 - (total mod 9) is 1 to 9: 9 where the total is a multiple of 9.
  return static_cast<std::int16_t>(9 - total % 9);
}

std::optional<std::int16_t> EuBanknote::ComputeCheckDigitAgainst(std::string_view payload,
                                                                 std::string_view found) {
  auto check_digit = ComputeCheckDigit(payload);
  // A 0 adds the same as a 9 modulo 9.
  if (check_digit == 9 && found == "0") return std::int16_t{0};
  return check_digit;
}

}  // namespace numerant
