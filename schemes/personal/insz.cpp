// SPDX-License-Identifier: MIT
#include "schemes/personal/insz.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/characters.h"
#include "core/modulo97.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 9;
constexpr std::size_t kSerialPlace = 6;
constexpr int kModulus = 97;

// Plus signs and slashes count towards the length of the payload but not
// towards its value: the check number was first worked out by the general
// Modulo97 scheme, which drops them as group and sign marks.
constexpr std::string_view kMarksWithoutValue = "+/";
constexpr std::uint64_t kMarkBits = LowCharacterBits(kMarksWithoutValue);
static_assert(std::popcount(kMarkBits) == kMarksWithoutValue.size(), "every mark below code 64");

}  // namespace

INSZ::INSZ()
    : CheckDigitNumber({.separators = " -.",
                        .payload_lengths = Lengths::Exactly(kPayloadLength),
                        .check_length = 2}) {}

std::optional<FieldValue> INSZ::ComputeCheckDigit(std::string_view payload) {
  // The fields are read before the digits are tested, so a number with a bad
  // digit still shows what it could decode.
  fields_.birth_date = Characters(payload, 1, kSerialPlace);
  const std::string_view serial = Characters(payload, kSerialPlace + 1, payload.size());
  const auto serial_value = ParseDecimal16(serial);
  if (!serial_value) return RejectCharacter(kSerialPlace + FirstNonDigit(serial));
  fields_.gender = GenderByParity(*serial_value);
  fields_.serial_number = serial;

  Remainder97Builder remainder;
  bool any_digit = false;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (InLowCharacterBits(kMarkBits, payload[i])) continue;
    if (!IsDigit(payload[i])) return RejectCharacter(i);
    remainder.AppendDigit(static_cast<unsigned>(DigitValue(payload[i])));
    any_digit = true;
  }
  if (!any_digit) return std::nullopt;
  // 97 - 0 gives 97, never 00.
  return FieldValue(TwoDigits(kModulus - remainder.Remainder()));
}

}  // namespace numerant
