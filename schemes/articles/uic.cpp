#include "schemes/articles/uic.h"

#include <array>

#include "schemes/general/luhn.h"
#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// The check digit brings the total to a multiple of 10: (10 - r) mod 10.
constexpr std::array<std::int16_t, 10> kComplement{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

constexpr std::size_t kPayloadLength = 11;

}  // namespace

std::int16_t UIC::Calculate(std::string_view number) {
  const std::string payload = Normalise(number);
  if (payload.size() == kPayloadLength) Compute(payload);
  return check_digit_;
}

bool UIC::Check(std::string_view number) {
  const std::string text = Normalise(number);
  if (text.size() != kPayloadLength + 1) return false;
  if (!Compute(std::string_view(text).substr(0, kPayloadLength))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string UIC::Normalise(std::string_view number) {
  check_digit_ = -1;
  country_code_ = std::int16_t{0};
  serial_number_ = std::int16_t{0};
  type_code_ = std::int16_t{0};
  type_number_ = std::int16_t{0};
  // No upper-casing: only digits are accepted anyway.
  return RemoveSeparators(number, " -");
}

bool UIC::Compute(std::string_view payload) {
  if (payload.size() != kPayloadLength) return false;
  // Cut before the digits are tested, so a rejected number still shows its
  // parts.
  type_code_ = payload.substr(0, 2);
  country_code_ = payload.substr(2, 2);
  type_number_ = payload.substr(4, 4);
  serial_number_ = payload.substr(8, 3);

  // The rightmost digit is doubled, the one before it taken singly, and so on.
  Int16 sum = 0;
  bool doubled = true;
  for (auto it = payload.rbegin(); it != payload.rend(); ++it) {
    if (!IsDigit(*it)) return false;
    const int d = DigitValue(*it);
    sum += doubled ? DigitSum(static_cast<std::uint8_t>(2 * d)) : d;
    doubled = !doubled;
  }
  if (!sum.ok()) return false;
  check_digit_ = kComplement[static_cast<std::size_t>(sum.value() % 10)];
  return true;
}

}  // namespace numerant
