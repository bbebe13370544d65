// SPDX-License-Identifier: MIT
#include "schemes/general/luhn_mod_n.h"

#include <algorithm>

#include "core/alternating_weights.h"

namespace numerant {

LuhnModN::LuhnModN()
    : CheckDigitNumber({.upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::AtLeast(1),
                        .check_characters = CheckCharacters::kAny}) {}

std::optional<std::string> LuhnModN::ComputeCheckDigit(std::string_view payload) {
  const std::string_view alphabet = alphabet_;
  // A character twice in the alphabet would have two values.
  for (std::size_t i = 0; i < alphabet.size(); ++i) {
    if (alphabet.find(alphabet[i], i + 1) != std::string_view::npos) return std::nullopt;
  }
  const auto value = LuhnModNCheckValue(payload, alphabet);
  if (!value) {
    const auto outside = std::find_if(payload.begin(), payload.end(), [&](char c) {
      return alphabet.find(c) == std::string_view::npos;
    });
    if (outside != payload.end())
      return RejectCharacter(static_cast<std::size_t>(outside - payload.begin()));
    return std::nullopt;
  }
  return std::string(1, alphabet[static_cast<std::size_t>(*value)]);
}

}  // namespace numerant
