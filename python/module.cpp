// SPDX-License-Identifier: MIT
// The Python module `numerant`: the schemes of the C++ library, reached by
// name. Every answer comes from the library's `Scheme` objects; this file
// only translates arguments and results.
#include <Python.h>
#include <algorithm>
#include <memory>
#include <pybind11/pybind11.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/translation.h"
#include "core/version.h"
#include "python/explain.h"
#include "python/python_text.h"
#include "python/scheme_lookup.h"
#include "python/values.h"

namespace numerant::python {
namespace {

namespace py = pybind11;

// How many numbers a batch gathers before it lets go of the GIL to answer
// them: enough to make the release cheap, few enough to keep the texts of a
// block in the cache.
constexpr std::size_t kBlock = 4096;

// Answers every number of an iterable with a fresh object of the scheme. The
// numbers are taken a block at a time: read while holding the GIL, answered
// without it, and the answers turned into Python objects with it again.
template <typename Answer, typename ToPythonObject>
py::list AnswerEach(py::handle name, py::handle numbers, Answer answer, ToPythonObject to_python) {
  if (PyUnicode_Check(numbers.ptr()) || PyBytes_Check(numbers.ptr())) {
    throw py::type_error("numbers must be an iterable of str, not a single " +
                         std::string(Py_TYPE(numbers.ptr())->tp_name));
  }
  const std::unique_ptr<Scheme> scheme = CreateNamed(name);
  const py::iterator items = py::iter(numbers);
  using Result = decltype(answer(*scheme, std::string_view()));

  std::vector<py::object> held;  // the block's strings, alive until answered
  std::vector<Latin1Text> texts;
  std::vector<Result> results;
  held.reserve(kBlock);
  texts.reserve(kBlock);
  results.reserve(kBlock);
  py::list answers;
  std::size_t index = 0;
  for (bool more = true; more;) {
    held.clear();
    texts.clear();
    while (texts.size() < kBlock) {
      PyObject* item = PyIter_Next(items.ptr());
      if (item == nullptr) {
        if (PyErr_Occurred() != nullptr) throw py::error_already_set();
        more = false;
        break;
      }
      held.push_back(py::reinterpret_steal<py::object>(item));
      if (!Latin1Text::Accepts(item)) {
        ThrowNotText(item, ("item " + std::to_string(index) + " of numbers").c_str());
      }
      texts.emplace_back(item, "number");
      ++index;
    }
    results.resize(texts.size());
    {
      const py::gil_scoped_release release;
      for (std::size_t i = 0; i < texts.size(); ++i)
        results[i] = answer(*scheme, texts[i].view());
    }
    for (const Result& result : results)
      answers.append(to_python(result));
  }
  return answers;
}

// check_many over a list or a tuple, whose length is known: the items are
// read in place from a tuple that holds them (a list may change while the
// GIL is let go), a block at a time, and each answer is put straight into
// its place in the result.
py::list CheckSequence(py::handle name, py::handle numbers) {
  const std::unique_ptr<Scheme> scheme = CreateNamed(name);
  const auto held = py::reinterpret_steal<py::object>(PySequence_Tuple(numbers.ptr()));
  if (!held) throw py::error_already_set();
  const Py_ssize_t count = PyTuple_GET_SIZE(held.ptr());
  py::list answers(static_cast<std::size_t>(count));
  std::vector<Latin1Text> texts;
  std::vector<char> valid(kBlock);
  texts.reserve(kBlock);
  for (Py_ssize_t start = 0; start < count; start += static_cast<Py_ssize_t>(kBlock)) {
    const Py_ssize_t end = std::min(count, start + static_cast<Py_ssize_t>(kBlock));
    texts.clear();
    for (Py_ssize_t i = start; i < end; ++i) {
      PyObject* item = PyTuple_GET_ITEM(held.ptr(), i);
      if (!Latin1Text::Accepts(item)) {
        ThrowNotText(item, ("item " + std::to_string(i) + " of numbers").c_str());
      }
      texts.emplace_back(item, "number");
    }
    {
      const py::gil_scoped_release release;
      for (std::size_t k = 0; k < texts.size(); ++k)
        valid[k] = scheme->IsValid(texts[k].view()) ? 1 : 0;
    }
    for (std::size_t k = 0; k < texts.size(); ++k) {
      PyObject* answer = valid[k] != 0 ? Py_True : Py_False;
      Py_INCREF(answer);
      PyList_SET_ITEM(answers.ptr(), start + static_cast<Py_ssize_t>(k), answer);
    }
  }
  return answers;
}

// A scheme object for Python: one object of the named class, kept from call
// to call, so that its properties tell what the last call found.
class SchemeObject {
 public:
  explicit SchemeObject(py::handle name) : scheme_(CreateNamed(name)) {}

  Scheme& scheme() { return *scheme_; }
  const Scheme& scheme() const { return *scheme_; }

 private:
  std::unique_ptr<Scheme> scheme_;
};

constexpr const char* kModuleDoc =
    R"(Check digits of 55 numbering schemes, computed by the Numerant C++ library.

Payment cards, IBAN, EAN/UPC, ISBN/ISSN, VIN, container and wagon codes, tax,
company and health-care numbers and national personal identity numbers, plus
the building blocks Luhn, Modulo10 and Modulo97.

    >>> import numerant
    >>> numerant.check("IBAN", "DE89 3704 0044 0532 0130 00")
    True
    >>> numerant.calculate("Verhoeff", "236")
    '3'
    >>> numerant.fields("PESEL", "85031512344")["BirthDate"]
    '850315'
    >>> numerant.check_many("Luhn", ["79927398713", "79927398710", ""])
    [True, False, False]

Scheme names are matched in any case. Numbers are str; each scheme strips
the separators it allows (mostly blanks and hyphens). Characters outside
ISO-8859-1 become "?" and so never match.)";

constexpr const char* kSchemesDoc = R"(schemes(all: bool = False) -> list[str]

The scheme names: the 52 schemes of the calculator in list order, then the
building blocks Luhn, Modulo10 and Modulo97. With all=True the further
formats follow, area by area ("au.abn", "be.vat", ... "dk.cpr", "ie.pps"),
which every function takes by the same names.)";

constexpr const char* kCheckDoc = R"(check(scheme: str, number: str) -> bool

Whether the complete number, check character(s) included, is valid.

Raises ValueError for an unknown scheme name and TypeError when an argument
is not a str.)";

constexpr const char* kCalculateDoc = R"(calculate(scheme: str, number: str) -> str

The check character(s) of a number typed without them, in the text form the
window and `numerant-cli calc` show: "3", "89", "X". A number the scheme
cannot use gives the unset check digit, "-1" or "" by scheme.)";

constexpr const char* kCompleteDoc = R"(complete(scheme: str, payload: str) -> str

The number with its check character(s) in their place, or "" when the
payload has none.)";

constexpr const char* kExplainDoc = R"(explain(scheme: str, number: str) -> dict

Why the number is valid or not, as a dict with "kind" ("valid", "empty",
"length", "character", "no-check-digit" or "check-digit") and the members
that apply: "length" and "lengths" (pairs [lowest, highest], highest None
when unbounded), "place" (1-based) and "character", "expected" and "found".)";

constexpr const char* kFieldsDoc =
    R"(fields(scheme: str, number: str) -> dict[str, bool | int | str | None]

What `check` leaves in the scheme's properties for this number: the check
digit and the fields the number encodes (birth date, gender, country ...),
by property name. Booleans are bool, numbers int, texts str; a field that
holds no text (an unset check digit, a field not decoded) is None.

    >>> numerant.fields("PESEL", "85031512344")
    {'BirthDate': '850315', 'CheckDigit': 4, 'Gender': 2, 'IdentificationNumber': '123'})";

constexpr const char* kCheckManyDoc =
    R"(check_many(scheme: str, numbers: Iterable[str]) -> list[bool]

`check` for every number of an iterable (a list, a column, a generator), in
order. The numbers are answered in blocks without holding the GIL, so other
Python threads run meanwhile.

Raises TypeError when an item is not a str.)";

constexpr const char* kCalculateManyDoc =
    R"(calculate_many(scheme: str, numbers: Iterable[str]) -> list[str]

`calculate` for every number of an iterable, in order, without holding the
GIL while the numbers are answered.)";

// A str as UTF-8, for `format` and `compact`, which read look-alikes of
// ASCII characters as those characters; a lone surrogate becomes "?".
std::string Utf8Text(py::handle text, const char* what) {
  if (!Latin1Text::Accepts(text)) ThrowNotText(text, what);
  const py::object bytes =
      py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(text.ptr(), "utf-8", "replace"));
  if (!bytes) throw py::error_already_set();
  return std::string(PyBytes_AS_STRING(bytes.ptr()),
                     static_cast<std::size_t>(PyBytes_GET_SIZE(bytes.ptr())));
}

constexpr const char* kFormatDoc = R"(format(scheme: str, number: str) -> str

The number in its customary written form: an IBAN in groups of four, an ISSN
as 0024-9319, a CNPJ as 16.727.230/0001-97. A scheme without one, and a
number that does not fit it, give the compact form. Dashes, spaces and
full-width characters that look like ASCII ones are read as those.

    >>> numerant.format("IBAN", "GB82WEST12345698765432")
    'GB82 WEST 1234 5698 7654 32')";

// The parts of the written form as a dict in their order, or None.
py::object PartsToPython(const std::vector<WrittenPart>& parts) {
  if (parts.empty()) return py::none();
  py::dict dict;
  for (const WrittenPart& part : parts)
    dict[ToPython(part.name)] = ToPython(part.text);
  return dict;
}

constexpr const char* kFormatPartsDoc =
    R"(format_parts(scheme: str, number: str) -> dict[str, str] | None

The named parts of the number's written form, in their order, for a scheme
that names them (ISMN's prefix, publisher, item and check digit); None for
any other scheme and for a number that cannot be split.

    >>> numerant.format_parts("ismn", "9790345246805")
    {'prefix': '979-0', 'publisher': '3452', 'item': '4680', 'check_digit': '5'})";

constexpr const char* kCompactDoc = R"(compact(scheme: str, number: str) -> str

The number as the scheme stores it: without separators, upper-cased where
the scheme folds case, without a customary country prefix.

    >>> numerant.compact("be.vat", "BE 0403.019.261")
    '0403019261')";

constexpr const char* kSchemeDoc = R"(Scheme(name: str)

One object of a scheme class, kept from call to call like the C++ object: after
`check` or `calculate` its properties (CheckDigit, BirthDate, Gender ...,
named as the C++ getters) tell what that call found.

    >>> pesel = numerant.Scheme("PESEL")
    >>> pesel.check("85031512344")
    True
    >>> pesel.BirthDate, pesel.Gender
    ('850315', 2)

Raises ValueError for an unknown name.)";

}  // namespace
}  // namespace numerant::python

PYBIND11_MODULE(numerant, module) {
  namespace py = pybind11;
  using namespace numerant;          // NOLINT(google-build-using-namespace)
  using namespace numerant::python;  // NOLINT(google-build-using-namespace)
  py::options options;
  options.disable_function_signatures();  // each docstring opens with its own

  module.doc() = kModuleDoc;
  module.attr("__version__") = kVersion;

  module.def("schemes", &SchemeNames, kSchemesDoc, py::arg("all") = false);

  module.def(
      "check",
      [](py::handle scheme, py::handle number) {
        Scheme& shared = SharedScheme(scheme);
        return shared.IsValid(Latin1Text(number, "number").view());
      },
      py::arg("scheme"), py::arg("number"), kCheckDoc);

  module.def(
      "calculate",
      [](py::handle scheme, py::handle number) {
        Scheme& shared = SharedScheme(scheme);
        return ToPython(shared.CalculateText(Latin1Text(number, "number").view()));
      },
      py::arg("scheme"), py::arg("number"), kCalculateDoc);

  module.def(
      "complete",
      [](py::handle scheme, py::handle payload) {
        Scheme& shared = SharedScheme(scheme);
        return Complete(shared, Latin1Text(payload, "payload").view());
      },
      py::arg("scheme"), py::arg("payload"), kCompleteDoc);

  module.def(
      "format",
      [](py::handle scheme, py::handle number) {
        return FromUtf8(SharedScheme(scheme).FormatUtf8(Utf8Text(number, "number")));
      },
      py::arg("scheme"), py::arg("number"), kFormatDoc);

  module.def(
      "format_parts",
      [](py::handle scheme, py::handle number) {
        const std::string latin1 = Latin1FromUtf8Lookalikes(Utf8Text(number, "number"));
        return PartsToPython(SharedScheme(scheme).FormatParts(latin1));
      },
      py::arg("scheme"), py::arg("number"), kFormatPartsDoc);

  module.def(
      "compact",
      [](py::handle scheme, py::handle number) {
        return FromUtf8(SharedScheme(scheme).CompactUtf8(Utf8Text(number, "number")));
      },
      py::arg("scheme"), py::arg("number"), kCompactDoc);

  module.def(
      "explain",
      [](py::handle scheme, py::handle number) {
        Scheme& shared = SharedScheme(scheme);
        return Explain(shared, Latin1Text(number, "number").view());
      },
      py::arg("scheme"), py::arg("number"), kExplainDoc);

  module.def(
      "fields",
      [](py::handle scheme, py::handle number) {
        Scheme& shared = SharedScheme(scheme);
        shared.Check(Latin1Text(number, "number").view());
        return Fields(shared);
      },
      py::arg("scheme"), py::arg("number"), kFieldsDoc);

  module.def(
      "check_many",
      [](py::handle scheme, py::handle numbers) {
        if (PyList_Check(numbers.ptr()) || PyTuple_Check(numbers.ptr())) {
          return CheckSequence(scheme, numbers);
        }
        return AnswerEach(
            scheme, numbers,
            [](Scheme& object, std::string_view number) -> char {
              return object.IsValid(number) ? 1 : 0;
            },
            [](char valid) { return py::bool_(valid != 0); });
      },
      py::arg("scheme"), py::arg("numbers"), kCheckManyDoc);

  module.def(
      "calculate_many",
      [](py::handle scheme, py::handle numbers) {
        return AnswerEach(
            scheme, numbers,
            [](Scheme& object, std::string_view number) { return object.CalculateText(number); },
            [](const std::string& result) { return ToPython(result); });
      },
      py::arg("scheme"), py::arg("numbers"), kCalculateManyDoc);

  py::class_<SchemeObject>(module, "Scheme", kSchemeDoc)
      .def(py::init<py::handle>(), py::arg("name"))
      .def_property_readonly(
          "Name", [](const SchemeObject& self) { return ToPython(self.scheme().Name()); },
          "The class name, as `schemes()` lists it.")
      .def(
          "check",
          [](SchemeObject& self, py::handle number) {
            return self.scheme().Check(Latin1Text(number, "number").view());
          },
          py::arg("number"),
          "check(number: str) -> bool\n\nWhether the complete number is valid; the "
          "properties then hold what the check found.")
      .def(
          "calculate",
          [](SchemeObject& self, py::handle number) {
            return ToPython(self.scheme().CalculateText(Latin1Text(number, "number").view()));
          },
          py::arg("number"),
          "calculate(number: str) -> str\n\nThe check character(s) of a number typed without "
          "them, as `numerant.calculate` gives them.")
      .def(
          "complete",
          [](SchemeObject& self, py::handle payload) {
            return Complete(self.scheme(), Latin1Text(payload, "payload").view());
          },
          py::arg("payload"),
          "complete(payload: str) -> str\n\nThe number with its check character(s) in their "
          "place, or \"\" when the payload has none.")
      .def(
          "format",
          [](SchemeObject& self, py::handle number) {
            return FromUtf8(self.scheme().FormatUtf8(Utf8Text(number, "number")));
          },
          py::arg("number"),
          "format(number: str) -> str\n\nThe number in its customary written form, as "
          "`numerant.format` gives it.")
      .def(
          "format_parts",
          [](SchemeObject& self, py::handle number) {
            const std::string latin1 = Latin1FromUtf8Lookalikes(Utf8Text(number, "number"));
            return PartsToPython(self.scheme().FormatParts(latin1));
          },
          py::arg("number"),
          "format_parts(number: str) -> dict[str, str] | None\n\nThe named parts of the "
          "written form, as `numerant.format_parts` gives them.")
      .def(
          "compact",
          [](SchemeObject& self, py::handle number) {
            return FromUtf8(self.scheme().CompactUtf8(Utf8Text(number, "number")));
          },
          py::arg("number"),
          "compact(number: str) -> str\n\nThe number as the scheme stores it, as "
          "`numerant.compact` gives it.")
      .def(
          "explain",
          [](SchemeObject& self, py::handle number) {
            return Explain(self.scheme(), Latin1Text(number, "number").view());
          },
          py::arg("number"),
          "explain(number: str) -> dict\n\nWhy the number is valid or not, as "
          "`numerant.explain` tells it.")
      .def(
          "fields", [](const SchemeObject& self) { return Fields(self.scheme()); },
          "fields() -> dict[str, bool | int | str | None]\n\nEvery property as it stands now, "
          "by name.")
      .def(
          "__getattr__",
          [](const SchemeObject& self, const std::string& name) {
            py::object value = ReadProperty(self.scheme(), name);
            if (!value) {
              throw py::attribute_error("'" + std::string(self.scheme().Name()) +
                                        "' has no property '" + name + "'");
            }
            return value;
          },
          py::arg("name"))
      .def("__dir__",
           [](py::handle self) {
             py::list names = py::module_::import("builtins").attr("object").attr("__dir__")(self);
             for (py::handle name : PropertyNames(self.cast<const SchemeObject&>().scheme()))
               names.append(name);
             return names;
           })
      .def("__repr__", [](const SchemeObject& self) {
        return "numerant.Scheme('" + std::string(self.scheme().Name()) + "')";
      });
}
