// SPDX-License-Identifier: MIT
#include "core/alternating_weights.h"

#include <array>
#include <cstddef>

#include "core/checked.h"
#include "core/families/remainder_tables.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

using WeighedDigits = std::array<std::int16_t, 10>;

constexpr WeighedDigits Weigh(int (*weigh)(int)) {
  WeighedDigits weighed{};
  for (int digit = 0; digit < 10; ++digit) {
    weighed[static_cast<std::size_t>(digit)] = static_cast<std::int16_t>(weigh(digit));
  }
  return weighed;
}

// What each digit 0 to 9 counts in a weighed place.
constexpr WeighedDigits kLuhnWeighed = Weigh(
    [](int digit) { return static_cast<int>(DigitSum(static_cast<std::uint8_t>(2 * digit))); });
constexpr WeighedDigits kModulo10Weighed = Weigh([](int digit) { return 3 * digit; });

std::optional<std::int16_t> AlternatingCheckDigit(std::string_view digits,
                                                  const WeighedDigits& weighed) noexcept {
  if (digits.size() > kMaxLength) return std::nullopt;
  // Every term is at most 27 and there are at most 32767 of them, so the
  // total fits 32 bits; as the terms are never negative, the 16-bit sum
  // overflows exactly when this total leaves the 16-bit range.
  std::int32_t total = 0;
  std::size_t i = 0;
  // With an odd count the leftmost digit is weighed; after that the digits
  // come in pairs, the first taken singly and the second weighed.
  if (digits.size() % 2 == 1) {
    const auto d = static_cast<unsigned>(digits[0] - '0');
    if (d > 9) return std::nullopt;
    total = weighed[d];
    i = 1;
  }
  for (; i < digits.size(); i += 2) {
    const auto single = static_cast<unsigned>(digits[i] - '0');
    const auto weighed_digit = static_cast<unsigned>(digits[i + 1] - '0');
    if (single > 9 || weighed_digit > 9) return std::nullopt;
    total += static_cast<std::int32_t>(single) + weighed[weighed_digit];
  }
  const Int16 sum = total;
  if (!sum.ok()) return std::nullopt;
  return kTenMinusRemainder[static_cast<std::size_t>(sum.value() % 10)];
}

}  // namespace

std::optional<std::int16_t> LuhnCheckDigit(std::string_view digits) noexcept {
  return AlternatingCheckDigit(digits, kLuhnWeighed);
}

std::optional<std::int16_t> Modulo10CheckDigit(std::string_view digits) noexcept {
  return AlternatingCheckDigit(digits, kModulo10Weighed);
}

}  // namespace numerant
