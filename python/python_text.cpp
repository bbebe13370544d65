// SPDX-License-Identifier: MIT
#include "python/python_text.h"

#include "core/translation.h"

namespace numerant::python {

namespace py = pybind11;

Latin1Text::Latin1Text(py::handle text, const char* what) {
  if (!Accepts(text)) ThrowNotText(text, what);
  PyObject* object = text.ptr();
  if (PyUnicode_READY(object) != 0) throw py::error_already_set();
  const auto length = static_cast<std::size_t>(PyUnicode_GET_LENGTH(object));
  const void* data = PyUnicode_DATA(object);
  switch (PyUnicode_KIND(object)) {
    case PyUnicode_1BYTE_KIND:
      // One byte a character means every character is at most U+00FF: the
      // bytes are the ISO-8859-1 text already.
      view_ = std::string_view(static_cast<const char*>(data), length);
      return;
    case PyUnicode_2BYTE_KIND:
      storage_ = Latin1FromCodePoints(std::span(static_cast<const Py_UCS2*>(data), length));
      break;
    default:
      storage_ = Latin1FromCodePoints(std::span(static_cast<const Py_UCS4*>(data), length));
      break;
  }
  converted_ = true;
}

py::str FromUtf8(std::string_view utf8) {
  PyObject* text = PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), nullptr);
  if (text == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::str>(text);
}

py::str ToPython(std::string_view latin1) {
  return FromUtf8(Utf8FromLatin1(latin1));
}

void ThrowNotText(py::handle value, const char* what) {
  throw py::type_error(std::string(what) + " must be str, not " + Py_TYPE(value.ptr())->tp_name);
}

}  // namespace numerant::python
