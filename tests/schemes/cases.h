// SPDX-License-Identifier: MIT
// Schemes reached from the catalogue by name, as the window and the command
// line reach them, and their fields written as the worked examples write
// them (core/example.h): `BirthDate="850315" Gender=2`, numbers bare and
// texts quoted, so that the integer 0 of an unread field and the text "0" of
// a read one differ; booleans true or false.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "schemes/catalogue.h"

namespace numerant::testing {

inline std::unique_ptr<Scheme> Create(std::string_view name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr ? entry->create() : nullptr;
}

// A property's value as the rows write it.
inline std::string ValueText(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) -> std::string {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return held ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::string>) {
          return '"' + held + '"';
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          if (held.IsString()) return '"' + std::string(held.Text()) + '"';
          if (held.IsNothing()) return "nothing";
          return std::to_string(held.Number());
        } else {
          return std::to_string(held);
        }
      },
      value);
}

// The named fields of a row, written back in the row's order from the
// object, so that a failure shows the row as it should read.
inline std::string NamedFields(const Scheme& scheme, std::string_view row) {
  std::string actual;
  std::size_t at = 0;
  while (at < row.size()) {
    while (at < row.size() && row[at] == ' ')
      ++at;
    const std::size_t equals = row.find('=', at);
    if (equals == std::string_view::npos) break;
    const std::string_view name = row.substr(at, equals - at);
    // The value runs to the next blank outside quotes.
    std::size_t end = equals + 1;
    bool quoted = false;
    while (end < row.size() && (quoted || row[end] != ' ')) {
      if (row[end] == '"') quoted = !quoted;
      ++end;
    }
    std::string value = "(no such field)";
    scheme.VisitProperties([&](std::string_view property, const PropertyValue& held) {
      if (property == name) value = ValueText(held);
    });
    if (!actual.empty()) actual += ' ';
    actual.append(name).append("=").append(value);
    at = end;
  }
  return actual;
}

// Every property in the class's Descriptor order, for comparing two objects.
inline std::string AllFields(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view, const PropertyValue& value) {
    if (!text.empty()) text += ' ';
    text += ValueText(value);
  });
  return text;
}

}  // namespace numerant::testing
