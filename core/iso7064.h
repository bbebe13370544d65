// The ISO 7064 MOD 11,10 recurrence. Starting from the product 10, each digit
// gives the intermediate value s = (digit + product mod 11) mod 10, taken as
// 10 when it is 0, and the next product 2s.
#pragma once

#include <optional>
#include <string_view>

namespace numerant {

// The intermediate value s (1 to 10) after the last digit; nothing when a
// character is not a digit or there is none.
std::optional<int> Mod1110LastIntermediate(std::string_view digits) noexcept;

}  // namespace numerant
