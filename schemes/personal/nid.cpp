// SPDX-License-Identifier: MIT
#include "schemes/personal/nid.h"

#include <array>
#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/checked.h"
#include "core/facts.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

// The first character carries the decade of birth, counted from the start of
// its range, and by the range it comes from the century.
struct DecadeRange {
  char first;
  char last;
  std::uint8_t century;
};
constexpr std::array<DecadeRange, 3> kDecades{{{'0', '9', 19}, {'A', 'J', 20}, {'K', 'T', 21}}};

// Women's months are raised by 50.
constexpr int kFemaleMonthOffset = 50;
constexpr int kModulus = 23;
// By the remainder modulo 23, which keeps the sign of the sum: "@" for 0,
// "A" to "V" for 1 to 22, and the characters below "@" for -22 to -1 (a
// first digit counts below "A").
constexpr std::string_view kCheckCharacters = "*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUV";
constexpr int kLowestRemainder = 1 - kModulus;
static_assert(kCheckCharacters.size() == 2 * kModulus - 1);

constexpr std::size_t kMonthPlace = 2;

}  // namespace

NID::NID()
    : CheckLetterNumber({.separators = " -",
                         .payload_letters = true,
                         .payload_lengths = Lengths::Exactly(9),
                         .check_characters = CheckCharacters::kAny},
                        {.letters = kCheckCharacters}) {}

bool NID::DecodeFields(std::string_view payload) {
  const char first = payload[0];
  const std::string_view month_text = Characters(payload, kMonthPlace + 1, kMonthPlace + 2);
  const auto month = ParseDecimal16(month_text);
  if (!month) {
    RejectCharacter(kMonthPlace + FirstNonDigit(month_text));
    return false;
  }
  // A first character outside the three ranges leaves the birth date and the
  // century unread.
  for (const DecadeRange& range : kDecades) {
    if (first < range.first || first > range.last) continue;
    // Built in one short string (no allocation) and copied into the field's
    // storage, which is kept from number to number.
    std::string birth_date = std::to_string(first - range.first);
    birth_date += payload[1];
    birth_date += TwoDigits(*month % kFemaleMonthOffset);
    birth_date += Characters(payload, 5, 6);
    fields_.birth_date = birth_date;
    fields_.century = range.century;
  }
  if (*month >= 1 && *month <= 12) fields_.gender = 1;
  if (*month >= 1 + kFemaleMonthOffset && *month <= 12 + kFemaleMonthOffset) fields_.gender = 2;
  fields_.sequence_number = Characters(payload, 7, 9);
  return true;
}

std::int64_t NID::LetterNumber(std::string_view payload) {
  // The first character counts by its code from "A" = 1; the others are
  // digits weighted by their place 2 to 9.
  Int16 sum = static_cast<unsigned char>(payload[0]) - 'A' + 1;
  for (std::size_t i = 1; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return NoNumberAt(i);
    sum += Int16(DigitValue(payload[i])) * static_cast<int>(i + 1);
  }
  // The remainder keeps the sign of the sum.
  const Int16 remainder = sum % kModulus;
  if (!remainder.ok()) return kNoNumber;
  return static_cast<std::uint32_t>(remainder.value() - kLowestRemainder);
}

// The first character gives the year's leading two digits (19 for a digit,
// the 1900s), so the ordinal century is one more.
BirthDay NID::Birthday() const {
  return SixDigitDate(BirthDate().Text(), false, Century() == 0 ? 0 : Century() + 1);
}

}  // namespace numerant
