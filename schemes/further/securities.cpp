// SPDX-License-Identifier: MIT
#include "schemes/further/securities.h"

#include <array>

#include "core/iso7064.h"
#include "core/text.h"

namespace numerant::securities {
namespace {

constexpr std::array<int, 6> kSedolWeights{1, 3, 1, 7, 3, 9};

constexpr bool IsVowel(char c) {
  return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

}  // namespace

std::optional<std::int16_t> DoubleAddCheckDigit(std::string_view text, std::string_view alphabet) {
  int total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t value = alphabet.find(text[i]);
    if (value == std::string_view::npos) return std::nullopt;
    const int counted = static_cast<int>(value) * (i % 2 == 1 ? 2 : 1);
    // At most 76: two decimal digits.
    total += counted / 10 + counted % 10;
  }
  return static_cast<std::int16_t>((10 - total % 10) % 10);
}

std::optional<std::int16_t> SedolCheckDigit(std::string_view six) {
  if (six.size() != kSedolWeights.size()) return std::nullopt;
  int total = 0;
  for (std::size_t i = 0; i < six.size(); ++i) {
    const int value = AlphanumericValue(six[i]);
    if (value < 0 || IsVowel(six[i])) return std::nullopt;
    total += kSedolWeights[i] * value;
  }
  return static_cast<std::int16_t>((10 - total % 10) % 10);
}

std::size_t SedolFault(std::string_view six) {
  const bool old_style = !six.empty() && IsDigit(six.front());
  for (std::size_t i = 0; i < six.size(); ++i) {
    const char c = six[i];
    if (AlphanumericValue(c) < 0 || IsVowel(c) || (old_style && !IsDigit(c))) return i;
  }
  return six.size();
}

}  // namespace numerant::securities
