// SPDX-License-Identifier: MIT
#include "schemes/general/iso7064.h"

#include <cstddef>

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr NumberShape DigitsShape(CheckCharacters kind) {
  return {.payload_lengths = Lengths::AtLeast(1), .check_characters = kind};
}

constexpr NumberShape AlphanumericShape(std::size_t check_length, CheckCharacters kind) {
  return {.upper_case = true,
          .payload_letters = true,
          .payload_lengths = Lengths::AtLeast(1),
          .check_length = check_length,
          .check_characters = kind};
}

}  // namespace

Iso7064Mod112::Iso7064Mod112()
    : CheckDigitNumber(NumberShape{.upper_case = true,
                                   .payload_lengths = Lengths::AtLeast(1),
                                   .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> Iso7064Mod112::ComputeCheckDigit(std::string_view payload) {
  const auto value = Mod112CheckValue(payload);
  if (!value) return RejectNonDigit(payload);
  return std::string(1, *value == 10 ? 'X' : static_cast<char>('0' + *value));
}

Iso7064Mod372::Iso7064Mod372() : CheckDigitNumber(AlphanumericShape(1, CheckCharacters::kAny)) {}

std::optional<std::string> Iso7064Mod372::ComputeCheckDigit(std::string_view payload) {
  const auto value = Mod372CheckValue(payload);
  if (!value) {
    const std::size_t at = FirstNonAlphanumeric(payload);
    return at < payload.size() ? RejectCharacter(at) : std::nullopt;
  }
  return std::string(1, *value == 36 ? '*' : kAlphanumeric[static_cast<std::size_t>(*value)]);
}

Iso7064Mod9710::Iso7064Mod9710()
    : CheckDigitNumber(AlphanumericShape(2, CheckCharacters::kDigits)) {}

std::optional<std::string> Iso7064Mod9710::ComputeCheckDigit(std::string_view payload) {
  const auto value = Mod9710CheckValue(payload);
  if (!value) {
    const std::size_t at = FirstNonAlphanumeric(payload);
    return at < payload.size() ? RejectCharacter(at) : std::nullopt;
  }
  return TwoDigits(*value);
}

Iso7064Mod1110::Iso7064Mod1110() : CheckDigitNumber(DigitsShape(CheckCharacters::kDigits)) {}

std::optional<std::int16_t> Iso7064Mod1110::ComputeCheckDigit(std::string_view payload) {
  const auto digit = Mod1110CheckDigit(payload);
  if (!digit) return RejectNonDigit(payload);
  return static_cast<std::int16_t>(*digit);
}

Iso7064Mod3736::Iso7064Mod3736()
    : CheckDigitNumber(AlphanumericShape(1, CheckCharacters::kDigitsAndLetters)) {}

std::optional<std::string> Iso7064Mod3736::ComputeCheckDigit(std::string_view payload) {
  const auto value = Mod3736CheckValue(payload);
  if (!value) {
    const std::size_t at = FirstNonAlphanumeric(payload);
    return at < payload.size() ? RejectCharacter(at) : std::nullopt;
  }
  return std::string(1, kAlphanumeric[static_cast<std::size_t>(*value)]);
}

}  // namespace numerant
