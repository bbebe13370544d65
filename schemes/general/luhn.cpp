#include "schemes/general/luhn.h"

#include <string>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

// The check digit brings the sum up to a multiple of 10.
constexpr std::int16_t kComplement[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

std::int16_t Luhn::Calculate(std::string_view number) {
  check_digit_ = -1;
  const std::string payload = RemoveSeparators(number, " -");
  if (!payload.empty()) Compute(payload);
  return check_digit_;
}

bool Luhn::Check(std::string_view number) {
  check_digit_ = -1;
  const std::string text = RemoveSeparators(number, " -");
  if (text.size() < 2) return false;
  if (!Compute(std::string_view(text).substr(0, text.size() - 1))) return false;
  return DigitMatches(text.back(), check_digit_);
}

bool Luhn::Compute(std::string_view payload) {
  if (payload.size() > kMaxLength) return false;
  // The rightmost payload digit is doubled, the one before it taken singly,
  // and so on to the left.
  bool doubled = payload.size() % 2 == 1;
  Int16 sum = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return false;
    const int d = DigitValue(c);
    sum += doubled ? DigitSum(static_cast<std::uint8_t>(2 * d)) : d;
    doubled = !doubled;
  }
  if (!sum.ok()) return false;
  check_digit_ = kComplement[sum.value() % 10];
  return true;
}

}  // namespace numerant
