#include "schemes/general/modulo10.h"

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

// The check digit brings the weighted sum up to a multiple of 10.
constexpr std::int16_t kComplement[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

Modulo10::Modulo10() : CheckDigitNumber({.separators = " -"}) {}

bool Modulo10::AcceptsStemLength(std::size_t length) const {
  return length >= 1;
}

std::optional<std::int16_t> Modulo10::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() > kMaxLength) return std::nullopt;
  // The weights are anchored at the right end: the rightmost payload digit
  // weighs 3, the one before it 1, and so on, so that a leading zero changes
  // nothing and every length is weighted alike.
  int weight = payload.size() % 2 == 1 ? 3 : 1;
  Int16 sum = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return std::nullopt;
    sum += weight * DigitValue(c);
    weight = 4 - weight;
  }
  if (!sum.ok()) return std::nullopt;
  return kComplement[sum.value() % 10];
}

}  // namespace numerant
