// SPDX-License-Identifier: MIT
#include "core/modulo97.h"

#include <bit>
#include <cstring>

#include "core/text.h"

namespace numerant {
namespace {

// The eight characters at `p` read as one number of eight digits, the first
// the most significant; -1 when one of them is not a digit. The bytes are
// tested and combined within one 64-bit word: a digit is a byte 0x30 to
// 0x39, whose high half is 3 and stays 3 when 6 is added; then neighbours
// are joined pairwise into values of two, four and eight digits.
std::int64_t EightDigits(const char* p) noexcept {
  if constexpr (std::endian::native != std::endian::little) {
    std::int64_t value = 0;
    for (int i = 0; i < 8; ++i) {
      if (!IsDigit(p[i])) return -1;
      value = value * 10 + DigitValue(p[i]);
    }
    return value;
  }
  constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0U;
  constexpr std::uint64_t kThrees = 0x3030303030303030U;
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if ((word & kHighHalves) != kThrees || ((word + 0x0606060606060606U) & kHighHalves) != kThrees)
    return -1;
  word = (word & 0x0F0F0F0F0F0F0F0FU) * (10 * 0x100 + 1) >> 8;
  word = (word & 0x00FF00FF00FF00FFU) * (100 * 0x10000 + 1) >> 16;
  word = (word & 0x0000FFFF0000FFFFU) * (10000 * 0x100000000U + 1) >> 32;
  return static_cast<std::int64_t>(word);
}

}  // namespace

bool Remainder97Builder::AppendAlphanumerics(std::string_view text) noexcept {
  constexpr std::size_t kRun = 8;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= kRun && IsDigit(text[i])) {
      if (const std::int64_t eight = EightDigits(text.data() + i); eight >= 0) {
        // Below 97 x 10^8 + 10^8, far from the bound of a step.
        value_ = value_ % kModulus * 100'000'000 + static_cast<std::uint64_t>(eight);
        i += kRun;
        continue;
      }
    }
    if (!AppendAlphanumeric(text[i])) return false;
    ++i;
  }
  return true;
}

std::optional<std::int32_t> Remainder97(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  Remainder97Builder remainder;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    remainder.AppendDigit(static_cast<unsigned>(DigitValue(c)));
  }
  return remainder.Remainder();
}

}  // namespace numerant
