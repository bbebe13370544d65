#include "schemes/general/modulo10.h"

#include <string>

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

// The check digit brings the weighted sum up to a multiple of 10.
constexpr std::int16_t kComplement[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

std::int16_t Modulo10::Calculate(std::string_view number) {
  check_digit_ = -1;
  const std::string payload = RemoveSeparators(number, " -");
  if (!payload.empty()) Compute(payload);
  return check_digit_;
}

bool Modulo10::Check(std::string_view number) {
  check_digit_ = -1;
  const std::string text = RemoveSeparators(number, " -");
  if (text.size() < 2) return false;
  if (!Compute(std::string_view(text).substr(0, text.size() - 1))) return false;
  return DigitMatches(text.back(), check_digit_);
}

bool Modulo10::Compute(std::string_view payload) {
  if (payload.size() > kMaxLength) return false;
  // The weights are anchored at the right end: the rightmost payload digit
  // weighs 3, the one before it 1, and so on, so that a leading zero changes
  // nothing and every length is weighted alike.
  int weight = payload.size() % 2 == 1 ? 3 : 1;
  Int16 sum = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return false;
    sum += weight * DigitValue(c);
    weight = 4 - weight;
  }
  if (!sum.ok()) return false;
  check_digit_ = kComplement[sum.value() % 10];
  return true;
}

}  // namespace numerant
