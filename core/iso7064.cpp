// SPDX-License-Identifier: MIT
#include "core/iso7064.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/modulo97.h"

namespace numerant {

// The steps of MOD 11,10: from the intermediate value s (1 to 10) and the
// next digit d to the next intermediate value, (2s mod 11 + d) mod 10 with
// 10 for 0. Row s holds 16 entries, the first ten used, and each entry is
// the row of the next value, 16 times it, so that a step is one addition
// and one look-up; row 0 is unused.
constexpr std::size_t kMod1110Row = 16;
constexpr auto kMod1110Steps = [] {
  std::array<std::uint8_t, 11 * kMod1110Row> steps{};
  for (std::size_t s = 1; s <= 10; ++s) {
    for (std::size_t d = 0; d < 10; ++d) {
      const std::size_t next = ((2 * s) % 11 + d) % 10;
      steps[s * kMod1110Row + d] = static_cast<std::uint8_t>((next == 0 ? 10 : next) * kMod1110Row);
    }
  }
  return steps;
}();

namespace {

// The last intermediate value of MOD 11,10 over the digits, 1 to 10; 0 for
// none. (A plain integer, which the compiler keeps in a register.)
int Mod1110Last(std::string_view digits) noexcept {
  if (digits.empty()) return 0;
  // The system starts from the product 10, that is from s = 5.
  std::size_t row = 5 * kMod1110Row;
  for (char c : digits) {
    const auto d = static_cast<std::size_t>(static_cast<unsigned char>(c)) - std::size_t{'0'};
    if (d > 9) return 0;
    row = kMod1110Steps[row + d];
  }
  return static_cast<int>(row / kMod1110Row);
}

}  // namespace

std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept {
  const int last = Mod1110Last(digits);
  if (last == 0) return std::nullopt;
  return last;
}

std::optional<int> Mod112CheckValue(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  int running = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    running = (2 * running + DigitValue(c)) % 11;
  }
  // 2r + c = 1 (mod 11); adding 22 keeps the value positive.
  return (23 - 2 * running) % 11;
}

std::optional<int> Mod372CheckValue(std::string_view text) noexcept {
  if (text.empty()) return std::nullopt;
  int running = 0;
  for (char c : text) {
    const int value = AlphanumericValue(c);
    if (value < 0) return std::nullopt;
    running = (2 * running + value) % 37;
  }
  return (75 - 2 * running) % 37;
}

std::optional<int> Mod9710CheckValue(std::string_view text) noexcept {
  return Mod9710CheckValue(text, {});
}

std::optional<int> Mod9710CheckValue(std::string_view first, std::string_view second) noexcept {
  if (first.empty() && second.empty()) return std::nullopt;
  Remainder97Builder remainder;
  if (!remainder.AppendAlphanumerics(first) || !remainder.AppendAlphanumerics(second))
    return std::nullopt;
  // The check digits stand in the last two places: value x 100 + check
  // digits = 1 (mod 97).
  remainder.AppendTwoDigits(0);
  return 98 - remainder.Remainder();
}

std::optional<int> Mod1110CheckDigit(std::string_view digits) noexcept {
  const int last = Mod1110Last(digits);
  if (last == 0) return std::nullopt;
  // (2s mod 11 + c) mod 10 = 1.
  return (11 - (2 * last) % 11) % 10;
}

std::optional<int> Mod3736CheckValue(std::string_view text) noexcept {
  if (text.empty()) return std::nullopt;
  // Starting at 18 makes the first product 2 x 18 mod 37 = 36. As t stays
  // within 1 to 36 and a value within 0 to 35, 2t is below 2 x 37 and
  // value + product below 2 x 36: each remainder is at most one subtraction.
  unsigned previous = 18;
  for (char c : text) {
    const int value = AlphanumericValue(c);
    if (value < 0) return std::nullopt;
    unsigned product = previous * 2;
    if (product >= 37) product -= 37;
    unsigned t = static_cast<unsigned>(value) + product;
    if (t >= 36) t -= 36;
    if (t == 0) t = 36;
    previous = t;
  }
  unsigned product = previous * 2;
  if (product >= 37) product -= 37;
  // The product lies in 1 to 36; the check character's value brings it to 1.
  return static_cast<int>((37 - product) % 36);
}

}  // namespace numerant
