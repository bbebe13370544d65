// SPDX-License-Identifier: MIT
#include "schemes/further/lei.h"

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {

Lei::Lei()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(18),
                        .check_length = 2}) {}

std::optional<std::string> Lei::ComputeCheckDigit(std::string_view payload) {
  fields_.lou_prefix = payload.substr(0, 4);
  fields_.entity_part = payload.substr(4);
  if (const std::size_t at = FirstNonAlphanumeric(payload); at < payload.size())
    return RejectCharacter(at);
  const auto value = Mod9710CheckValue(payload);
  if (!value) return std::nullopt;
  return TwoDigits(*value);
}

}  // namespace numerant
