// SPDX-License-Identifier: MIT
#include "schemes/further/es/cif.h"

#include <string>

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

// The letter of each check digit's value.
constexpr std::string_view kLetters = "JABCDEFGHI";
// The kinds of entity: companies, which mostly carry the digit, and other
// bodies, which mostly carry the letter.
constexpr std::string_view kDigitFirst = "ABCDEFGHJUV";
constexpr std::string_view kLetterFirst = "NPQRSW";

}  // namespace

std::optional<CifCheck> CifCheckCharacters(std::string_view payload, std::size_t& rejected_at) {
  const char entity = payload.front();
  const bool letter_first = kLetterFirst.find(entity) != std::string_view::npos;
  if (!letter_first && kDigitFirst.find(entity) == std::string_view::npos) {
    rejected_at = 0;
    return std::nullopt;
  }
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) {
      rejected_at = i;
      return std::nullopt;
    }
  }
  const auto digit = LuhnCheckDigit(payload.substr(1));
  if (!digit) return std::nullopt;
  return CifCheck{static_cast<char>('0' + *digit), kLetters[static_cast<std::size_t>(*digit)],
                  letter_first};
}

std::string CifCheckText(const CifCheck& check, std::string_view found) {
  const bool letter = found.empty() ? check.letter_first : found.front() == check.letter;
  return std::string(1, letter ? check.letter : check.digit);
}

EsCif::EsCif() : CheckDigitNumber(kSpanishTaxNumberShape) {}

std::optional<std::string> EsCif::ComputeCheckDigit(std::string_view payload) {
  return ComputeCheckDigitAgainst(payload, {});
}

std::optional<std::string> EsCif::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  std::size_t rejected_at = 0;
  const auto check = CifCheckCharacters(payload, rejected_at);
  if (!check) return RejectCharacter(rejected_at);
  return CifCheckText(*check, found);
}

}  // namespace numerant
