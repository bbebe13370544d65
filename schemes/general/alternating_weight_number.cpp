#include "schemes/general/alternating_weight_number.h"

#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

// The check digit brings the sum up to a multiple of 10.
constexpr std::int16_t kComplement[10] = {0, 9, 8, 7, 6, 5, 4, 3, 2, 1};

}  // namespace

AlternatingWeightNumber::AlternatingWeightNumber(Weigh weigh)
    : CheckDigitNumber({.separators = " -"}) {
  for (int digit = 0; digit < 10; ++digit) {
    weighed_[static_cast<std::size_t>(digit)] = static_cast<std::int16_t>(weigh(digit));
  }
}

bool AlternatingWeightNumber::AcceptsStemLength(std::size_t length) const {
  return length >= 1;
}

std::optional<std::int16_t> AlternatingWeightNumber::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() > kMaxLength) return std::nullopt;
  // Every term is at most 27 and there are at most 32767 of them, so the
  // total fits 32 bits; as the terms are never negative, the 16-bit sum
  // overflows exactly when this total leaves the 16-bit range.
  std::int32_t total = 0;
  std::size_t i = 0;
  // With an odd count the leftmost digit is weighed; after that the digits
  // come in pairs, the first taken singly and the second weighed.
  if (payload.size() % 2 == 1) {
    const auto d = static_cast<unsigned>(payload[0] - '0');
    if (d > 9) return std::nullopt;
    total = weighed_[d];
    i = 1;
  }
  for (; i < payload.size(); i += 2) {
    const auto single = static_cast<unsigned>(payload[i] - '0');
    const auto weighed = static_cast<unsigned>(payload[i + 1] - '0');
    if (single > 9 || weighed > 9) return std::nullopt;
    total += static_cast<std::int32_t>(single) + weighed_[weighed];
  }
  const Int16 sum = total;
  if (!sum.ok()) return std::nullopt;
  return kComplement[sum.value() % 10];
}

}  // namespace numerant
