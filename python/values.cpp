// SPDX-License-Identifier: MIT
#include "python/values.h"

#include <type_traits>

#include "python/python_text.h"

namespace numerant::python {

namespace py = pybind11;

py::object ValueToPython(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) -> py::object {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return py::bool_(held);
        } else if constexpr (std::is_same_v<T, std::string>) {
          return ToPython(std::string_view(held));
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          if (held.IsString()) return ToPython(held.Text());
          return py::none();
        } else {
          return py::int_(held);
        }
      },
      value);
}

py::dict Fields(const Scheme& scheme) {
  py::dict fields;
  scheme.VisitProperties([&fields](std::string_view name, const PropertyValue& value) {
    fields[ToPython(name)] = ValueToPython(value);
  });
  return fields;
}

py::object ReadProperty(const Scheme& scheme, std::string_view name) {
  py::object found;
  scheme.VisitProperties([&](std::string_view property, const PropertyValue& value) {
    if (!found && property == name) found = ValueToPython(value);
  });
  return found;
}

py::list PropertyNames(const Scheme& scheme) {
  py::list names;
  scheme.VisitProperties(
      [&names](std::string_view name, const PropertyValue&) { names.append(ToPython(name)); });
  return names;
}

}  // namespace numerant::python
