// SPDX-License-Identifier: MIT
// `explain` and `complete`, which answer through `Scheme::Explain` and
// `Scheme::Complete`.
#pragma once

#include <pybind11/pybind11.h>
#include <string_view>

#include "core/scheme.h"
#include "core/translation.h"
#include "python/python_text.h"

namespace numerant::python {

// The finding record as the command line's "reason" writes it: "kind" and
// the members it holds, an upper end of None for lengths without one.
inline pybind11::dict FindingToPython(const FindingRecord& finding) {
  namespace py = pybind11;
  py::dict reason;
  reason["kind"] = FromUtf8(finding.kind);
  if (finding.length) reason["length"] = py::int_(*finding.length);
  if (finding.lengths) {
    py::list lengths;
    for (const LengthPair& pair : *finding.lengths) {
      py::list range;
      range.append(py::int_(pair.min));
      range.append(pair.max ? py::object(py::int_(*pair.max)) : py::object(py::none()));
      lengths.append(range);
    }
    reason["lengths"] = lengths;
  }
  if (finding.place) reason["place"] = py::int_(*finding.place);
  if (finding.character) reason["character"] = FromUtf8(*finding.character);
  if (finding.expected) reason["expected"] = FromUtf8(*finding.expected);
  if (finding.found) reason["found"] = FromUtf8(*finding.found);
  if (finding.date) reason["date"] = FromUtf8(*finding.date);
  return reason;
}

inline pybind11::dict Explain(Scheme& scheme, std::string_view number) {
  return FindingToPython(RecordFinding(scheme.Explain(number)));
}

inline pybind11::str Complete(Scheme& scheme, std::string_view payload) {
  return ToPython(scheme.Complete(payload));
}

}  // namespace numerant::python
