// SPDX-License-Identifier: MIT
#include "schemes/personal/insz.h"

#include <cstddef>

#include "core/calendar.h"
#include "core/characters.h"
#include "core/facts.h"
#include "core/text.h"
#include "schemes/personal/decoding.h"

namespace numerant {
namespace {

constexpr std::size_t kSerialPlace = 6;

}  // namespace

// Blanks, hyphens and full stops are removed; plus signs and slashes count
// towards the nine characters but not towards the value.
INSZ::INSZ()
    : Modulo97Number(
          {.separators = " -.", .payload_lengths = Lengths::Exactly(9), .reverse = true}) {}

bool INSZ::DecodeFields(std::string_view payload) {
  fields_.birth_date = Characters(payload, 1, kSerialPlace);
  const std::string_view serial = Characters(payload, kSerialPlace + 1, payload.size());
  const auto serial_value = ParseDecimal16(serial);
  if (!serial_value) {
    RejectCharacter(kSerialPlace + FirstNonDigit(serial));
    return false;
  }
  fields_.gender = GenderByParity(*serial_value);
  fields_.serial_number = serial;
  return true;
}

// The number does not say the century.
BirthDay INSZ::Birthday() const {
  return SixDigitDate(BirthDate().Text(), false, 0);
}

}  // namespace numerant
