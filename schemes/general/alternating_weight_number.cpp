#include "schemes/general/alternating_weight_number.h"

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

// The check digit brings the sum up to a multiple of 10.
constexpr std::int16_t kComplement[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

AlternatingWeightNumber::AlternatingWeightNumber(Weigh weigh)
    : CheckDigitNumber({.separators = " -"}), weigh_(weigh) {}

bool AlternatingWeightNumber::AcceptsStemLength(std::size_t length) const {
  return length >= 1;
}

std::optional<std::int16_t> AlternatingWeightNumber::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() > kMaxLength) return std::nullopt;
  bool weighed = payload.size() % 2 == 1;
  Int16 sum = 0;
  for (char c : payload) {
    if (!IsDigit(c)) return std::nullopt;
    const int d = DigitValue(c);
    sum += weighed ? weigh_(d) : d;
    weighed = !weighed;
  }
  if (!sum.ok()) return std::nullopt;
  return kComplement[sum.value() % 10];
}

}  // namespace numerant
