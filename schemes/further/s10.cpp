// SPDX-License-Identifier: MIT
#include "schemes/further/s10.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kSerialAt = 2;
constexpr std::array<int, 8> kWeights{8, 6, 4, 2, 3, 5, 9, 7};
constexpr std::size_t kCountryAt = kSerialAt + kWeights.size();

}  // namespace

S10::S10()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kCountryAt + 2),
                        .check_place = kCountryAt}) {}

std::optional<std::int16_t> S10::ComputeCheckDigit(std::string_view payload) {
  fields_.service_indicator = payload.substr(0, kSerialAt);
  fields_.serial = payload.substr(kSerialAt, kWeights.size());
  fields_.country_code = payload.substr(kCountryAt);
  int total = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const bool letter_place = i < kSerialAt || i >= kCountryAt;
    if (letter_place ? !IsUpperLetter(payload[i]) : !IsDigit(payload[i])) return RejectCharacter(i);
    if (!letter_place) total += kWeights[i - kSerialAt] * DigitValue(payload[i]);
  }
  const int check_digit = 11 - total % 11;
  if (check_digit == 10) return 0;
  if (check_digit == 11) return 5;
  return static_cast<std::int16_t>(check_digit);
}

}  // namespace numerant
