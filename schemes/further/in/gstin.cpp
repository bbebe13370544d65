// SPDX-License-Identifier: MIT
#include "schemes/further/in/gstin.h"

#include "core/alternating_weights.h"
#include "core/calendar.h"
#include "core/iso7064.h"
#include "core/text.h"
#include "schemes/further/in/pan.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 14;
constexpr std::size_t kPanPlace = 2;
constexpr std::size_t kPanLength = 10;
constexpr std::size_t kEntityPlace = 12;
constexpr std::size_t kDefaultPlace = 13;

// The states and union territories 01 to 38 (38 Ladakh, from 2020) and 97,
// "other territory".
bool IsStateCode(int code) {
  return (code >= 1 && code <= 38) || code == 97;
}

}  // namespace

InGstin::InGstin()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayload),
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> InGstin::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  for (std::size_t i = 0; i < kPanPlace; ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  fields_.state_code = payload.substr(0, kPanPlace);
  if (!IsStateCode(DigitPairValue(payload, 0))) return RejectCharacter(1);
  const std::string_view pan = payload.substr(kPanPlace, kPanLength);
  fields_.pan = pan;
  if (auto fault = PanFault(pan)) return RejectCharacter(kPanPlace + *fault);
  const char entity = payload[kEntityPlace];
  if (!(IsUpperLetter(entity) || (IsDigit(entity) && entity != '0')))
    return RejectCharacter(kEntityPlace);
  if (payload[kDefaultPlace] != 'Z') return RejectCharacter(kDefaultPlace);
  const auto value = LuhnModNCheckValue(payload, kAlphanumeric);
  if (!value) return std::nullopt;
  return std::string(1, kAlphanumeric[static_cast<std::size_t>(*value)]);
}

}  // namespace numerant
