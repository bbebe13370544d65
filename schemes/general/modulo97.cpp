#include "schemes/general/modulo97.h"

#include <string>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// Group and sign marks that may stand anywhere in a typed number.
constexpr std::string_view kSeparators = " -.+/";

constexpr std::int32_t kModulus = 97;

}  // namespace

FieldValue Modulo97::Calculate(std::string_view number) {
  check_digit_ = std::int16_t{-1};
  const std::string payload = RemoveSeparators(number, kSeparators);
  if (!payload.empty()) Compute(payload);
  return check_digit_;
}

bool Modulo97::Check(std::string_view number) {
  check_digit_ = std::int16_t{-1};
  const std::string text = RemoveSeparators(number, kSeparators);
  if (text.size() < 3) return false;
  const std::string_view whole = text;
  if (!Compute(whole.substr(0, whole.size() - 2))) return false;
  return check_digit_ == whole.substr(whole.size() - 2);
}

bool Modulo97::Compute(std::string_view payload) {
  if (payload.empty()) return false;
  // The remainder is carried from digit to digit and never exceeds 96, so a
  // payload of any length is read exactly, however large its value.
  Int32 remainder = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return false;
    remainder = (remainder * 10 + DigitValue(c)) % kModulus;
  }
  if (!remainder.ok()) return false;
  const std::int32_t check_number = reverse_ ? kModulus - remainder.value() : remainder.value();
  check_digit_ = TwoDigits(check_number);
  return true;
}

}  // namespace numerant
