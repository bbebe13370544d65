// SPDX-License-Identifier: MIT
#include "schemes/further/cl/rut.h"

#include "core/text.h"

namespace numerant {
namespace {

// The check character of each remainder of the sum modulo 11: 11 - r, with
// 11 written "0" and 10 written "K".
constexpr std::string_view kCheckOfRemainder = "0K987654321";

}  // namespace

ClRut::ClRut()
    : CheckDigitNumber({.separators = " .-",
                        .upper_case = true,
                        .payload_lengths = {{7, 8}},
                        .check_characters = CheckCharacters::kDigitsAndLetters}) {}

std::optional<std::string> ClRut::ComputeCheckDigit(std::string_view payload) {
  int sum = 0;
  int weight = 2;
  for (std::size_t i = payload.size(); i-- > 0;) {
    if (!IsDigit(payload[i])) return RejectNonDigit(payload);
    sum += DigitValue(payload[i]) * weight;
    weight = weight == 7 ? 2 : weight + 1;
  }
  return std::string(1, kCheckOfRemainder[static_cast<std::size_t>(sum % 11)]);
}

}  // namespace numerant
