// SPDX-License-Identifier: MIT
// The properties of a scheme object as Python values, from the library's
// field records: a boolean as bool, a number as int, a string as str, and
// null as None (an unset check digit or a field not decoded yet).
#pragma once

#include <pybind11/pybind11.h>
#include <string_view>

#include "core/scheme.h"
#include "core/translation.h"

namespace numerant::python {

pybind11::object ContentToPython(const FieldContent& value);

// Every property of the object, by name, in declaration order.
pybind11::dict Fields(const Scheme& scheme);

// The named property; nothing (a null object) when the object has none.
pybind11::object ReadProperty(const Scheme& scheme, std::string_view name);

// The names of the object's properties.
pybind11::list PropertyNames(const Scheme& scheme);

}  // namespace numerant::python
