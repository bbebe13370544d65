// SPDX-License-Identifier: MIT
#include "schemes/personal/vsnr.h"

#include <array>
#include <cstddef>

#include "core/alternating_weights.h"
#include "core/calendar.h"
#include "core/characters.h"
#include "core/checked.h"
#include "core/facts.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

// Entries 0 to 7 weigh the region and birth-date digits, 8 and 9 the two
// digits of the letter's place in the alphabet, 10 and 11 the serial digits.
constexpr std::array<std::int16_t, 12> kWeights{2, 1, 2, 5, 7, 1, 2, 1, 2, 1, 2, 1};
constexpr std::size_t kPayloadLength = 11;
constexpr std::size_t kLetterPlace = 8;
constexpr std::size_t kSerialPlace = 9;
// Serials 00 to 49 are given to men, 50 to 99 to women.
constexpr int kFirstFemaleSerial = 50;

}  // namespace

VSNR::VSNR()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

std::optional<std::int16_t> VSNR::ComputeCheckDigit(std::string_view payload) {
  fields_.birth_date = Characters(payload, 3, 8);
  const std::string_view serial_text = Characters(payload, kSerialPlace + 1, kPayloadLength);
  const auto serial = ParseDecimal16(serial_text);
  if (!serial) return RejectCharacter(kSerialPlace + FirstNonDigit(serial_text));
  fields_.gender = *serial < kFirstFemaleSerial ? 1 : 2;
  fields_.region_code = Characters(payload, 1, 2);
  fields_.registrant_letter = Characters(payload, kLetterPlace + 1, kLetterPlace + 1);

  Int16 sum = 0;
  for (std::size_t p = 0; p < kPayloadLength; ++p) {
    const char c = payload[p];
    if (p == kLetterPlace) {
      // The place's tens digit (0 to 2) is weighted 2, its units digit 1;
      // the products stay single digits.
      if (!IsUpperLetter(c)) return RejectCharacter(p);
      const int place = c - 'A' + 1;
      sum += Int16(kWeights[p]) * (place / 10) + Int16(kWeights[p + 1]) * (place % 10);
    } else {
      if (!IsDigit(c)) return RejectCharacter(p);
      // The letter's two digits shift the serial digits one entry on.
      const std::int16_t weight = kWeights[p < kLetterPlace ? p : p + 1];
      sum += DigitSum(static_cast<std::uint8_t>(weight * DigitValue(c)));
    }
  }
  if (!sum.ok()) return std::nullopt;
  return static_cast<std::int16_t>(sum.value() % 10);
}

// The number does not say the century.
BirthDay VSNR::Birthday() const {
  return SixDigitDate(BirthDate().Text(), true, 0);
}

}  // namespace numerant
