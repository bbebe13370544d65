// SPDX-License-Identifier: MIT
#include "schemes/further/es/nif.h"

#include <string>

#include "core/text.h"
#include "schemes/further/es/cif.h"
#include "schemes/further/es/nie.h"

namespace numerant {

EsNif::EsNif() : KindedNumber(kSpanishTaxNumberShape) {}

std::optional<std::string> EsNif::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  const char first = payload.front();
  if (IsDigit(first)) {
    fields_.kind = "DNI";
    return dni_.Calculate(payload);
  }
  if (first == 'X' || first == 'Y' || first == 'Z') {
    fields_.kind = "NIE";
    std::string letter = nie_.Calculate(payload);
    if (letter.empty()) return std::nullopt;
    return letter;
  }
  if (first == 'K' || first == 'L' || first == 'M') {
    // Spaniards under 14 or abroad, and foreigners without a NIE: the DNI's
    // letter of the seven digits.
    fields_.kind = "KLM";
    std::string digits(payload);
    digits.front() = '0';
    return dni_.Calculate(digits);
  }
  fields_.kind = "CIF";
  std::size_t rejected_at = 0;
  const auto check = CifCheckCharacters(payload, rejected_at);
  if (!check) return RejectCharacter(rejected_at);
  return CifCheckText(*check, found);
}

}  // namespace numerant
