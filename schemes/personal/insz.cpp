#include "schemes/personal/insz.h"

#include <cstddef>
#include <optional>

#include "schemes/personal/gender.h"
#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBodyLength = 9;
constexpr std::size_t kBirthDateLength = 6;
constexpr std::size_t kCheckLength = 2;

}  // namespace

INSZ::INSZ() : CodeOnBlock({.separators = " -.", .check_length = kCheckLength}) {
  block().SetReverse(true);
}

bool INSZ::AcceptsStemLength(std::size_t length) const {
  return length == kBodyLength;
}

void INSZ::ResetFields() {
  gender_ = 0;
  birth_date_ = std::int16_t{0};
  serial_number_ = std::int16_t{0};
}

bool INSZ::Prepare(std::string& body) {
  // The fields are read before the Modulo97 object sees the digits, so a
  // number with a bad digit still shows what it could decode. The nine
  // digits are taken as they stand, whatever the century of birth.
  birth_date_ = Characters(body, 1, kBirthDateLength);
  const std::string_view serial = Characters(body, kBirthDateLength + 1, body.size());
  const std::optional<std::int16_t> serial_value = ParseDecimal16(serial);
  if (!serial_value) return false;
  gender_ = GenderByParity(*serial_value);
  serial_number_ = serial;
  return true;
}

}  // namespace numerant
