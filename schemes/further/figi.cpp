// SPDX-License-Identifier: MIT
#include "schemes/further/figi.h"

#include <array>

#include "core/iso7064.h"
#include "core/text.h"
#include "schemes/further/securities.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 11;
// The digits and the consonants.
constexpr std::string_view kCharacters = "0123456789BCDFGHJKLMNPQRSTVWXYZ";
// Prefixes that are ISIN country codes.
constexpr std::array<std::string_view, 5> kExcluded{"BS", "BM", "GG", "GB", "VG"};

}  // namespace

Figi::Figi()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

std::optional<std::int16_t> Figi::ComputeCheckDigit(std::string_view payload) {
  fields_.prefix = payload.substr(0, 2);
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const char c = payload[i];
    const bool fits = kCharacters.find(c) != std::string_view::npos && (i >= 2 || !IsDigit(c)) &&
                      (i != 2 || c == 'G');
    if (!fits) return RejectCharacter(i);
  }
  for (std::string_view excluded : kExcluded) {
    if (payload.substr(0, 2) == excluded) return RejectCharacter(1);
  }
  return securities::DoubleAddCheckDigit(payload, kAlphanumeric);
}

}  // namespace numerant
