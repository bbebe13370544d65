// SPDX-License-Identifier: MIT
#include "python/values.h"

#include <type_traits>

#include "python/python_text.h"

namespace numerant::python {

namespace py = pybind11;

py::object ContentToPython(const FieldContent& value) {
  return std::visit(
      [](const auto& held) -> py::object {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          return py::none();
        } else if constexpr (std::is_same_v<T, bool>) {
          return py::bool_(held);
        } else if constexpr (std::is_same_v<T, std::string>) {
          return FromUtf8(held);
        } else {
          return py::int_(held);
        }
      },
      value);
}

py::dict Fields(const Scheme& scheme) {
  py::dict fields;
  for (const FieldRecord& field : RecordFields(scheme))
    fields[FromUtf8(field.name)] = ContentToPython(field.value);
  return fields;
}

py::object ReadProperty(const Scheme& scheme, std::string_view name) {
  for (const FieldRecord& field : RecordFields(scheme)) {
    if (field.name == name) return ContentToPython(field.value);
  }
  return {};
}

py::list PropertyNames(const Scheme& scheme) {
  py::list names;
  for (const FieldRecord& field : RecordFields(scheme))
    names.append(FromUtf8(field.name));
  return names;
}

}  // namespace numerant::python
