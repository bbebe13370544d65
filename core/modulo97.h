// The remainder modulo 97 of a text of decimal digits read as one number,
// however long (ISO 7064 MOD 97-10 and the Belgian numbers work from it).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace numerant {

// 0 to 96; nothing for an empty text or one that holds a non-digit.
std::optional<std::int32_t> Remainder97(std::string_view digits) noexcept;

}  // namespace numerant
