#include "schemes/general/luhn.h"

namespace numerant {
namespace {

// The rightmost payload digit, and every second one to its left, is doubled
// and counts with the digit sum of its double.
int Doubled(int digit) {
  return DigitSum(static_cast<std::uint8_t>(2 * digit));
}

}  // namespace

Luhn::Luhn() : AlternatingWeightNumber(Doubled) {}

}  // namespace numerant
