// SPDX-License-Identifier: MIT
// Text between Python and the schemes. Python hands over `str`, whole code
// points; the library's translation (core/translation.h) turns them into the
// ISO-8859-1 bytes the schemes read, and its UTF-8 back into `str`.
#pragma once

#include <Python.h>
#include <pybind11/pybind11.h>
#include <string>
#include <string_view>

namespace numerant::python {

// The ISO-8859-1 form of a Python `str`, valid while this object and the str
// live. A str whose characters all lie in ISO-8859-1 is read in place (CPython
// already keeps it as one byte a character); any other is converted once.
class Latin1Text {
 public:
  // Throws TypeError, naming `what`, when `text` is not a str.
  Latin1Text(pybind11::handle text, const char* what);

  std::string_view view() const { return converted_ ? std::string_view(storage_) : view_; }
  // Whether `text` is a str; a check the batch loops make without throwing.
  static bool Accepts(pybind11::handle text) { return PyUnicode_Check(text.ptr()) != 0; }

 private:
  std::string_view view_;
  bool converted_ = false;
  std::string storage_;
};

// A Python str of UTF-8 text from the library's records.
pybind11::str FromUtf8(std::string_view utf8);

// A Python str of ISO-8859-1 text from the schemes.
pybind11::str ToPython(std::string_view latin1);

// The TypeError for a value that should have been a str.
[[noreturn]] void ThrowNotText(pybind11::handle value, const char* what);

}  // namespace numerant::python
