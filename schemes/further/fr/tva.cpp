// SPDX-License-Identifier: MIT
#include "schemes/further/fr/tva.h"

#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kSirenLength = 9;
// The characters of a key, by their places 0 to 33: no I and no O.
constexpr std::string_view kKeyCharacters = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";

// The number of a key with a letter; nothing for a key of two digits or
// with a character no key has.
std::optional<int> LetterKeyNumber(std::string_view key) {
  const std::size_t first = kKeyCharacters.find(key[0]);
  const std::size_t second = kKeyCharacters.find(key[1]);
  if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
  const auto a = static_cast<int>(first);
  const auto b = static_cast<int>(second);
  if (a < 10 && b < 10) return std::nullopt;
  // A digit and a letter number 0 to 239, two letters or a letter and a
  // digit from 240 on.
  return a < 10 ? a * 24 + b - 10 : a * 34 + b - 100;
}

}  // namespace

FrTva::FrTva()
    : CheckDigitNumber({.separators = " -.",
                        .upper_case = true,
                        .prefixes = {"FR"},
                        .payload_lengths = Lengths::Exactly(kSirenLength),
                        .check_length = 2,
                        .check_characters = CheckCharacters::kDigitsAndLetters,
                        .check_place = 0}) {}

std::optional<std::string> FrTva::ComputeCheckDigit(std::string_view payload) {
  return ComputeCheckDigitAgainst(payload, {});
}

std::optional<std::string> FrTva::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  Remainder97Builder remainder97;
  int remainder11 = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    remainder97.AppendDigit(static_cast<unsigned>(DigitValue(payload[i])));
    remainder11 = (remainder11 * 10 + DigitValue(payload[i])) % 11;
  }
  // Monaco's numbers, 000 first, are no SIRENs and carry no Luhn digit.
  if (!payload.starts_with("000") && !siren_.Check(payload)) {
    return RejectCharacter(kSirenLength - 1);
  }
  if (found.size() == 2) {
    if (const auto k = LetterKeyNumber(found)) {
      if ((remainder11 + 1 + *k / 11) % 11 == *k % 11) return std::string(found);
    }
  }
  remainder97.AppendTwoDigits(12);
  return TwoDigits(remainder97.Remainder());
}

}  // namespace numerant
