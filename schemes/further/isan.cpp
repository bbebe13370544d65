// SPDX-License-Identifier: MIT
#include "schemes/further/isan.h"

#include <array>

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kWork = 16;  // root and episode
constexpr std::size_t kVersion = 8;
constexpr std::size_t kVersionForm = kWork + 1 + kVersion;

constexpr bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F');
}

char CheckCharacter(std::string_view hex) {
  return kAlphanumeric[static_cast<std::size_t>(*Mod3736CheckValue(hex))];
}

}  // namespace

Isan::Isan()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"ISAN", {}},
                        .payload_letters = true,
                        .payload_lengths = {{kWork, kWork}, {kVersionForm, kVersionForm}},
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> Isan::ComputeCheckDigit(std::string_view payload) {
  fields_.root = payload.substr(0, 12);
  fields_.episode = payload.substr(12, 4);
  if (payload.size() == kVersionForm) fields_.version = payload.substr(kWork + 1);
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (i != kWork && !IsHexDigit(payload[i])) return RejectCharacter(i);
  }
  const std::string_view work = payload.substr(0, kWork);
  if (payload.size() == kWork) return std::string(1, CheckCharacter(work));
  if (payload[kWork] != CheckCharacter(work)) return RejectCharacter(kWork);
  std::array<char, kWork + kVersion> hex{};
  work.copy(hex.data(), kWork);
  payload.substr(kWork + 1).copy(hex.data() + kWork, kVersion);
  return std::string(1, CheckCharacter(std::string_view(hex.data(), hex.size())));
}

}  // namespace numerant
