// SPDX-License-Identifier: MIT
// The catalogue: which scheme class stands at which position of the window's
// list, the building blocks that other schemes reuse, and the further
// formats beside them, grouped by area.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "core/scheme.h"

namespace numerant {

struct CatalogueEntry {
  // The list text, which is the class name; for a further format its
  // lookup name ("be.vat").
  std::string_view name;
  // What the number is, in one line (UTF-8), as the README's table says it.
  std::string_view description;
  // Creates a fresh object of the class.
  SchemeFactory create;
  // The worked examples beside the rule, run as tests.
  std::span<const Example> examples;
  // Of a further format: the name people know it by and the area it is
  // listed under.
  std::string_view display_name = {};
  std::string_view area = {};
};

// The entry of a class, with its name, description and examples read from
// its `Descriptor`.
template <DescribedScheme T>
constexpr CatalogueEntry Entry() {
  return {Descriptor<T>::kName, Descriptor<T>::kDescription, MakeScheme<T>,
          Descriptor<T>::kExamples};
}

// The entry of a further format, whose `Descriptor` also gives its display
// name and its area.
template <DescribedScheme T>
constexpr CatalogueEntry FurtherEntry() {
  return {Descriptor<T>::kName,     Descriptor<T>::kDescription, MakeScheme<T>,
          Descriptor<T>::kExamples, Descriptor<T>::kDisplayName, Descriptor<T>::kArea};
}

// The 52 rows of the window's list, in list order.
std::span<const CatalogueEntry> SchemeList();

// `Luhn`, `Modulo10` and `Modulo97`: not listed, but reachable by name.
std::span<const CatalogueEntry> BuildingBlocks();

// The formats beside the 52, area by area in the order of `Areas`, by
// name within an area.
std::span<const CatalogueEntry> FurtherFormats();

// The areas the further formats are grouped by, in their order.
std::span<const std::string_view> Areas();

// A fresh object of the class at a list position; null for a position outside
// the list (no entry selected).
std::unique_ptr<Scheme> CreateScheme(int position);

// The listed scheme, building block or further format of this name,
// compared without regard to case, the listed ones first; "in." stands for
// "in_." as in python-stdnum's module paths. Null when there is none.
const CatalogueEntry* FindScheme(std::string_view name);

}  // namespace numerant
