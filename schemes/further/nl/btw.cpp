// SPDX-License-Identifier: MIT
#include "schemes/further/nl/btw.h"

#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 9;
// "NL" with its letters counted 10 to 35, as the 2020 number is reckoned.
constexpr unsigned kN = 23;
constexpr unsigned kL = 21;
// "B" counted so.
constexpr unsigned kB = 11;

}  // namespace

NlBtw::NlBtw()
    : KindedNumber({.separators = " -.",
                    .upper_case = true,
                    .prefixes = {"NL"},
                    .payload_letters = true,
                    .payload_lengths = Lengths::Exactly(kDigits + 1),
                    .check_length = 2}) {}

std::optional<std::string> NlBtw::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  Remainder97Builder remainder;
  remainder.AppendTwoDigits(kN);
  remainder.AppendTwoDigits(kL);
  for (std::size_t i = 0; i < kDigits; ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    remainder.AppendDigit(static_cast<unsigned>(DigitValue(payload[i])));
  }
  // No number is all zeros.
  if (payload.substr(0, kDigits) == "000000000") return RejectCharacter(kDigits - 1);
  if (payload[kDigits] != 'B') return RejectCharacter(kDigits);
  remainder.AppendTwoDigits(kB);
  // The 2020 check digits, 02 to 98, bring "NL", the number and themselves
  // to 1 modulo 97.
  remainder.AppendTwoDigits(0);
  std::string check_digits = TwoDigits(98 - remainder.Remainder());
  // A BSN carries any serial from 01, unless it is read as the 2020 form.
  if (found.size() == 2 && IsDigit(found[0]) && IsDigit(found[1]) && found != "00" &&
      found != check_digits && bsn_.Check(payload.substr(0, kDigits))) {
    fields_.kind = "BSN";
    return std::string(found);
  }
  fields_.kind = "2020";
  return check_digits;
}

}  // namespace numerant
