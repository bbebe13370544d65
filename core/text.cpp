// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace numerant {
namespace {

template <typename T>
std::optional<T> ParseDecimal(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + DigitValue(c);
    if (value > std::numeric_limits<T>::max()) return std::nullopt;
  }
  return static_cast<T>(value);
}

}  // namespace

bool ContainsAny(std::string_view text, std::string_view characters) noexcept {
  for (char c : characters) {
    if (text.find(c) != std::string_view::npos) return true;
  }
  return false;
}

std::string RemoveSeparators(std::string_view text, std::string_view separators) {
  std::string result;
  RemoveSeparators(text, separators, result);
  return result;
}

void RemoveSeparators(std::string_view text, std::string_view separators, std::string& out) {
  // The separators are punctuation below code 64, so one 64-bit mask answers
  // "is this a separator" for every character in a couple of instructions.
  const std::uint64_t mask = LowCharacterBits(separators);
  bool all_below_64 = true;
  for (char s : separators)
    all_below_64 &= static_cast<unsigned char>(s) < 64;
  // Most numbers in a batch come without separators: a quick look for each
  // kind spares the character-by-character walk.
  bool any_separator = false;
  for (char s : separators)
    any_separator |= text.find(s) != std::string_view::npos;
  if (!any_separator) {
    out.assign(text);
    return;
  }
  if (!all_below_64) {
    out.clear();
    for (char c : text) {
      if (separators.find(c) == std::string_view::npos) out.push_back(c);
    }
    return;
  }
  out.resize(text.size());
  char* const first = out.data();
  char* next = first;
  for (char c : text) {
    *next = c;
    next += InLowCharacterBits(mask, c) ? 0 : 1;
  }
  out.resize(static_cast<std::size_t>(next - first));
}

namespace {

// Small letters a-z, and the ISO-8859-1 small letters from U+00E0 to U+00FE
// except the division sign U+00F7, sit 32 above their capitals.
constexpr std::array<unsigned char, 256> kUpper = [] {
  std::array<unsigned char, 256> table{};
  for (unsigned code = 0; code < 256; ++code) {
    const bool ascii_small = code >= 'a' && code <= 'z';
    const bool latin_small = code >= 0xE0 && code <= 0xFE && code != 0xF7;
    table[code] = static_cast<unsigned char>(ascii_small || latin_small ? code - 32 : code);
  }
  return table;
}();

char Upper(char c) {
  return static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
}

}  // namespace

void ToUpperInPlace(std::string& text) noexcept {
  for (char& c : text)
    c = Upper(c);
}

bool HasSmallLetters(std::string_view text) noexcept {
  // Eight characters at a time while they are ASCII, as nearly every number
  // is: a byte b below 0x80 is a small letter when b + (0x80 - 'a') reaches
  // the high bit and b + (0x80 - 'z' - 1) does not, and neither sum carries
  // into the next byte.
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  constexpr std::uint64_t kHigh = 0x8080808080808080U;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if ((word & kHigh) != 0) break;  // the accented letters take the table
    const std::uint64_t from_a = word + kOnes * (0x80 - 'a');
    const std::uint64_t beyond_z = word + kOnes * (0x80 - 'z' - 1);
    if ((from_a & ~beyond_z & kHigh) != 0) return true;
  }
  bool any = false;
  for (; i < text.size(); ++i)
    any |= Upper(text[i]) != text[i];
  return any;
}

std::optional<std::int32_t> ParseDecimal32(std::string_view digits) noexcept {
  return ParseDecimal<std::int32_t>(digits);
}

std::optional<std::int16_t> ParseDecimal16(std::string_view digits) noexcept {
  return ParseDecimal<std::int16_t>(digits);
}

std::string TwoDigits(int value) {
  // The values the rules give, 0 to 99, without the detour through
  // std::to_string.
  if (value >= 0 && value <= 99) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
  }
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

}  // namespace numerant
