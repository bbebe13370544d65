// The check digit that brings a weighted sum up to a multiple of 10, over a
// payload of decimal digits of any length (up to 32767). The weights are
// anchored at the right end: the rightmost payload digit counts as the rule
// weighs it, the one before it singly, and so on alternately to the left, so
// that a leading zero changes nothing and every length is weighted alike.
// `Luhn` (digit sum of the double) and `Modulo10` (three times) share it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/check_digit_number.h"

namespace numerant {

class AlternatingWeightNumber : public CheckDigitNumber<std::int16_t> {
 protected:
  // What the rightmost digit, and every second one to its left, counts.
  using Weigh = int (*)(int digit);

  explicit AlternatingWeightNumber(Weigh weigh);

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;

  // What each digit 0 to 9 counts in a weighed place, worked out once.
  std::array<std::int16_t, 10> weighed_;
};

}  // namespace numerant
