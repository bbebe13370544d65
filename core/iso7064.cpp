#include "core/iso7064.h"

#include "core/text.h"

namespace numerant {

std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept {
  if (digits.empty()) return std::nullopt;
  // Every value stays below 21.
  int product = 10;
  int intermediate = 10;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    intermediate = (product % 11 + DigitValue(c)) % 10;
    if (intermediate == 0) intermediate = 10;
    product = 2 * intermediate;
  }
  return intermediate;
}

}  // namespace numerant
