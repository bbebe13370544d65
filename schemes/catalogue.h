// SPDX-License-Identifier: MIT
// The catalogue: which scheme class stands at which position of the window's
// list, and the building blocks that other schemes reuse.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "core/scheme.h"

namespace numerant {

struct CatalogueEntry {
  // The list text, which is the class name.
  std::string_view name;
  // What the number is, in one line (UTF-8), as the README's table says it.
  std::string_view description;
  // Creates a fresh object of the class.
  SchemeFactory create;
};

// The entry of a class, with its name and description read from its
// `Descriptor`.
template <DescribedScheme T>
constexpr CatalogueEntry Entry() {
  return {Descriptor<T>::kName, Descriptor<T>::kDescription, MakeScheme<T>};
}

// The 52 rows of the window's list, in list order.
std::span<const CatalogueEntry> SchemeList();

// `Luhn`, `Modulo10` and `Modulo97`: not listed, but reachable by name.
std::span<const CatalogueEntry> BuildingBlocks();

// A fresh object of the class at a list position; null for a position outside
// the list (no entry selected).
std::unique_ptr<Scheme> CreateScheme(int position);

// The listed scheme or building block of this name, compared without regard
// to case; null when there is none.
const CatalogueEntry* FindScheme(std::string_view name);

}  // namespace numerant
