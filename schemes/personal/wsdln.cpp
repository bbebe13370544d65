// SPDX-License-Identifier: MIT
#include "schemes/personal/wsdln.h"

#include <array>
#include <cstddef>

#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 11;
// The check digit's place in the licence, counted from 0.
constexpr std::size_t kCheckPlace = 9;
constexpr std::array<int, kPayloadLength> kSigns{+1, -1, +1, -1, +1, -1, +1, -1, +1, -1, +1};

// Letters count by their place in three rows, the last one starting at 2.
struct LetterRow {
  char first;
  char last;
  int value_of_first;
};
constexpr std::array<LetterRow, 3> kLetterRows{{{'A', 'I', 1}, {'J', 'R', 1}, {'S', 'Z', 2}}};
// The padding of short names.
constexpr int kPaddingValue = 4;

std::optional<int> CharacterValue(char c) {
  if (IsDigit(c)) return DigitValue(c);
  if (c == '*') return kPaddingValue;
  for (const LetterRow& row : kLetterRows) {
    if (c >= row.first && c <= row.last) return c - row.first + row.value_of_first;
  }
  return std::nullopt;
}

}  // namespace

WSDLN::WSDLN()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength),
                        .check_place = kCheckPlace}) {}

std::optional<std::int16_t> WSDLN::ComputeCheckDigit(std::string_view payload) {
  fields_.last_name = Characters(payload, 1, 5);
  fields_.first_name_initial = Characters(payload, 6, 6);
  fields_.middle_name_initial = Characters(payload, 7, 7);
  fields_.year_code = Characters(payload, 8, 9);
  fields_.month_code = Characters(payload, 10, 10);
  fields_.day_code = Characters(payload, 11, 11);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kPayloadLength; ++p) {
    const auto value = CharacterValue(payload[p]);
    if (!value) return RejectCharacter(p);
    sum += Int16(kSigns[p]) * *value;
  }
  // The alternating total may be negative; the check digit is its remainder
  // counted from 0 to 9 all the same, so that every payload has a digit.
  Int16 remainder = sum % 10;
  if (remainder.value() < 0) remainder += 10;
  if (!remainder.ok()) return std::nullopt;
  return remainder.value();
}

}  // namespace numerant
