// Cutting the fields of a number out of fixed character positions.
#pragma once

#include <cstddef>
#include <string_view>

namespace numerant {

// Characters `first` to `last` of the text, both included, counted from 1 as
// the rules of the schemes count them ("characters 2 to 6"). A range that runs
// past the end of the text is cut short there, so a short text gives fewer
// characters or none, never a failure.
constexpr std::string_view Characters(std::string_view text, std::size_t first,
                                      std::size_t last) noexcept {
  if (first == 0) first = 1;
  if (last > text.size()) last = text.size();
  if (first > last) return {};
  return text.substr(first - 1, last - first + 1);
}

}  // namespace numerant
