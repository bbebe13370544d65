// SPDX-License-Identifier: MIT
#include "python/scheme_lookup.h"

#include <map>
#include <string_view>

#include "python/python_text.h"

namespace numerant::python {

namespace py = pybind11;

namespace {

std::string ValidNames() {
  std::string names;
  for (const auto& list : {SchemeList(), BuildingBlocks(), FurtherFormats()}) {
    for (const CatalogueEntry& entry : list) {
      if (!names.empty()) names += ", ";
      names += entry.name;
    }
  }
  return names;
}

// The entry found for the most recent name. A loop of calls names one scheme
// over and over, and this spares it the search through the catalogue.
struct LastLookup {
  std::string name;
  const CatalogueEntry* entry = nullptr;
};

LastLookup& Last() {
  static LastLookup last;
  return last;
}

}  // namespace

py::list SchemeNames(bool all) {
  py::list names;
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list)
      names.append(ToPython(entry.name));
  }
  if (all) {
    for (const CatalogueEntry& entry : FurtherFormats())
      names.append(ToPython(entry.name));
  }
  return names;
}

const CatalogueEntry& EntryNamed(py::handle name) {
  const Latin1Text text(name, "the scheme name");
  LastLookup& last = Last();
  if (last.entry != nullptr && last.name == text.view()) return *last.entry;
  const CatalogueEntry* entry = FindScheme(text.view());
  if (entry == nullptr) {
    throw py::value_error("unknown scheme " + py::repr(name).cast<std::string>() +
                          "; choose one of: " + ValidNames());
  }
  last.name = text.view();
  last.entry = entry;
  return *entry;
}

std::unique_ptr<Scheme> CreateNamed(py::handle name) {
  return EntryNamed(name).create();
}

Scheme& SharedScheme(py::handle name) {
  // Keyed by the entry, so that "iban" and "IBAN" share one object.
  static std::map<const CatalogueEntry*, std::unique_ptr<Scheme>> shared;
  const CatalogueEntry& entry = EntryNamed(name);
  std::unique_ptr<Scheme>& scheme = shared[&entry];
  if (!scheme) scheme = entry.create();
  return *scheme;
}

}  // namespace numerant::python
