// SPDX-License-Identifier: MIT
#include "schemes/further/in/pan.h"

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kLength = 10;
constexpr std::size_t kHolderPlace = 3;

}  // namespace

std::optional<std::string_view> PanHolderType(char letter) {
  switch (letter) {
    case 'A':
      return "association of persons";
    case 'B':
      return "body of individuals";
    case 'C':
      return "company";
    case 'F':
      return "firm";
    case 'G':
      return "government";
    case 'H':
      return "Hindu undivided family";
    case 'J':
      return "artificial juridical person";
    case 'L':
      return "local authority";
    case 'P':
      return "individual";
    case 'T':
      return "trust";
    default:
      return std::nullopt;
  }
}

std::optional<std::size_t> PanFault(std::string_view pan) {
  for (std::size_t i = 0; i < pan.size() && i < kLength; ++i) {
    const bool digit_place = i >= 5 && i < 9;
    if (digit_place ? !IsDigit(pan[i]) : !IsUpperLetter(pan[i])) return i;
    if (i == kHolderPlace && !PanHolderType(pan[i])) return i;
  }
  // The serial 0000 is not given.
  if (pan.size() >= 9 && pan.substr(5, 4) == "0000") return 8;
  return std::nullopt;
}

InPan::InPan()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kLength),
                        .check_length = 0}) {}

std::optional<std::string> InPan::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kLength) return std::nullopt;
  if (payload.size() > kHolderPlace && IsUpperLetter(payload[kHolderPlace])) {
    if (auto holder = PanHolderType(payload[kHolderPlace])) fields_.holder_type = *holder;
  }
  if (auto fault = PanFault(payload)) return RejectCharacter(*fault);
  return std::string();
}

}  // namespace numerant
