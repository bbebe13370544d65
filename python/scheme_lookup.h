// SPDX-License-Identifier: MIT
// Scheme names from Python: the catalogue entry of a name, and the objects
// that the module-level functions share.
#pragma once

#include <memory>
#include <pybind11/pybind11.h>
#include <string>

#include "schemes/catalogue.h"

namespace numerant::python {

// The listed schemes in list order, then the building blocks; with `all`,
// then the further formats area by area.
pybind11::list SchemeNames(bool all);

// The entry of a scheme name in any case. Throws TypeError when the name is
// not a str and ValueError, naming the valid ones, when no scheme has it.
const CatalogueEntry& EntryNamed(pybind11::handle name);

// A fresh object of the named scheme.
std::unique_ptr<Scheme> CreateNamed(pybind11::handle name);

// The one object of the named scheme that the module-level functions reuse
// from call to call. Only for use while holding the GIL: every call resets
// the object's state, and nothing of it is kept for the caller.
Scheme& SharedScheme(pybind11::handle name);

}  // namespace numerant::python
