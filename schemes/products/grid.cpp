// SPDX-License-Identifier: MIT
#include "schemes/products/grid.h"

#include <cstddef>

#include "core/characters.h"
#include "core/iso7064.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 17;

}  // namespace

GRid::GRid()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength),
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> GRid::ComputeCheckDigit(std::string_view payload) {
  // Cut before any character is tested, so a rejected identifier still shows
  // its parts.
  fields_.identifier_scheme = Characters(payload, 1, 2);
  fields_.issue_code = Characters(payload, 3, 7);
  fields_.release_number = Characters(payload, 8, 17);

  if (const std::size_t at = FirstNonAlphanumeric(payload); at < payload.size())
    return RejectCharacter(at);
  const auto value = Mod3736CheckValue(payload);
  if (!value) return std::nullopt;
  return std::string(1, kAlphanumeric[static_cast<std::size_t>(*value)]);
}

}  // namespace numerant
