// SPDX-License-Identifier: MIT
#include "schemes/further/tr/tckimlik.h"

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 9;

}  // namespace

TrTckimlik::TrTckimlik()
    : CheckDigitNumber(
          {.separators = " -", .payload_lengths = Lengths::Exactly(kPayload), .check_length = 2}) {}

std::optional<std::string> TrTckimlik::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  int odd_places = 0;
  int even_places = 0;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i]) || (i == 0 && payload[i] == '0')) return RejectCharacter(i);
    (i % 2 == 0 ? odd_places : even_places) += DigitValue(payload[i]);
  }
  // 7 x odd - even, kept positive before the remainder is taken.
  const int tenth = (7 * odd_places - even_places + 10 * 9 * 4) % 10;
  const int eleventh = (odd_places + even_places + tenth) % 10;
  return std::string{static_cast<char>('0' + tenth), static_cast<char>('0' + eleventh)};
}

}  // namespace numerant
