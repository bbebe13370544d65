// SPDX-License-Identifier: MIT
#include "python/python_text.h"

#include <string>

namespace numerant::python {

namespace py = pybind11;

Latin1Text::Latin1Text(py::handle text, const char* what) {
  if (!Accepts(text)) ThrowNotText(text, what);
  PyObject* object = text.ptr();
  if (PyUnicode_READY(object) != 0) throw py::error_already_set();
  const auto length = static_cast<std::size_t>(PyUnicode_GET_LENGTH(object));
  if (PyUnicode_KIND(object) == PyUnicode_1BYTE_KIND) {
    // One byte a character means every character is at most U+00FF: the
    // bytes are the ISO-8859-1 text already.
    view_ = std::string_view(static_cast<const char*>(PyUnicode_DATA(object)), length);
    return;
  }
  // Python's own ISO-8859-1 codec, each character it cannot write (those
  // above U+00FF, lone surrogates too) replaced by one "?".
  converted_ =
      py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(object, "latin-1", "replace"));
  if (!converted_) throw py::error_already_set();
  view_ = std::string_view(PyBytes_AS_STRING(converted_.ptr()),
                           static_cast<std::size_t>(PyBytes_GET_SIZE(converted_.ptr())));
}

py::str ToPython(std::string_view latin1) {
  PyObject* text =
      PyUnicode_DecodeLatin1(latin1.data(), static_cast<Py_ssize_t>(latin1.size()), nullptr);
  if (text == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(text);
}

void ThrowNotText(py::handle value, const char* what) {
  throw py::type_error(std::string(what) + " must be str, not " + Py_TYPE(value.ptr())->tp_name);
}

}  // namespace numerant::python
