// SPDX-License-Identifier: MIT
#include "core/written_form.h"

#include <algorithm>
#include <cstddef>

namespace numerant {
namespace {

std::string Repeated(std::string_view unit, std::string_view compact) {
  const auto places = static_cast<std::size_t>(std::count(unit.begin(), unit.end(), '#'));
  if (places == 0) return std::string(compact);
  std::string written;
  std::size_t taken = 0;
  while (taken < compact.size()) {
    for (char c : unit) {
      if (taken == compact.size()) break;
      written.push_back(c == '#' ? compact[taken++] : c);
    }
  }
  return written;
}

}  // namespace

std::string ApplyWrittenForm(std::string_view pattern, std::string_view compact) {
  while (!pattern.empty()) {
    const std::size_t bar = pattern.find('|');
    std::string_view one = pattern.substr(0, bar);
    pattern = bar == std::string_view::npos ? std::string_view() : pattern.substr(bar + 1);
    if (one.ends_with('*')) return Repeated(one.substr(0, one.size() - 1), compact);
    if (static_cast<std::size_t>(std::count(one.begin(), one.end(), '#')) != compact.size()) {
      continue;
    }
    std::string written;
    written.reserve(one.size());
    std::size_t taken = 0;
    for (char c : one)
      written.push_back(c == '#' ? compact[taken++] : c);
    return written;
  }
  return std::string(compact);
}

}  // namespace numerant
