// SPDX-License-Identifier: MIT
#include "schemes/further/isni.h"

#include "core/iso7064.h"

namespace numerant {

NameIdentifier::NameIdentifier(std::string_view prefix)
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {prefix, {}},
                        .payload_lengths = Lengths::Exactly(15),
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> NameIdentifier::ComputeCheckDigit(std::string_view payload) {
  const auto value = Mod112CheckValue(payload);
  if (!value) return RejectNonDigit(payload);
  return std::string(1, *value == 10 ? 'X' : static_cast<char>('0' + *value));
}

}  // namespace numerant
