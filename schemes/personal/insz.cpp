#include "schemes/personal/insz.h"

#include <array>
#include <cstddef>
#include <optional>

#include "shell/text.h"

namespace numerant {
namespace {

// Indexed by the parity of the serial number.
constexpr std::array<std::int32_t, 2> kGenderByParity{2, 1};

constexpr std::size_t kBodyLength = 9;
constexpr std::size_t kBirthDateLength = 6;
constexpr std::size_t kCheckLength = 2;

}  // namespace

INSZ::INSZ() {
  modulo97_.SetReverse(true);
}

FieldValue INSZ::Calculate(std::string_view number) {
  const std::string body = Normalise(number);
  if (body.size() == kBodyLength) Compute(body);
  return check_digit_;
}

bool INSZ::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.size() != kBodyLength + kCheckLength) return false;
  const std::string_view whole = text;
  if (!Compute(whole.substr(0, kBodyLength))) return false;
  return check_digit_ == whole.substr(kBodyLength);
}

std::string INSZ::Normalise(std::string_view number) {
  check_digit_ = std::int16_t{-1};
  gender_ = 0;
  birth_date_ = std::int16_t{0};
  serial_number_ = std::int16_t{0};
  return RemoveSeparators(number, " -.");
}

bool INSZ::Compute(std::string_view body) {
  // The fields are read before the Modulo97 object sees the digits, so a
  // number with a bad digit still shows what it could decode. The nine
  // digits are taken as they stand, whatever the century of birth.
  birth_date_ = body.substr(0, kBirthDateLength);
  const std::string_view serial = body.substr(kBirthDateLength);
  const std::optional<std::int16_t> serial_value = ParseDecimal16(serial);
  if (!serial_value) return false;
  gender_ = kGenderByParity[static_cast<std::size_t>(*serial_value % 2)];
  serial_number_ = serial;
  modulo97_.Calculate(body);
  check_digit_ = modulo97_.CheckDigit();
  return check_digit_.IsString();
}

}  // namespace numerant
