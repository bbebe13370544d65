// SPDX-License-Identifier: MIT
// `explain` and `complete`, which answer through `Scheme::Explain` and
// `Scheme::Complete`.
#pragma once

#include <pybind11/pybind11.h>
#include <string>
#include <string_view>

#include "core/finding.h"
#include "core/scheme.h"
#include "python/python_text.h"

namespace numerant::python {

// The finding as the command line's "reason" writes it: "kind" and only the
// members that apply to that kind; an accepted length without an upper end
// has None there.
inline pybind11::dict FindingToPython(const Finding& finding) {
  pybind11::dict reason;
  reason["kind"] = std::string(KindName(finding.kind));
  switch (finding.kind) {
    case Finding::Kind::kWrongLength: {
      reason["length"] = pybind11::int_(finding.length);
      pybind11::list lengths;
      for (const LengthRange& range : finding.lengths.ranges()) {
        pybind11::list pair;
        pair.append(pybind11::int_(range.min));
        pair.append(range.max == LengthRange::kUnbounded ? pybind11::object(pybind11::none())
                                                         : pybind11::int_(range.max));
        lengths.append(pair);
      }
      reason["lengths"] = lengths;
      break;
    }
    case Finding::Kind::kBadCharacter:
      reason["place"] = pybind11::int_(finding.place);
      reason["character"] = ToPython(std::string_view(&finding.character, 1));
      break;
    case Finding::Kind::kWrongCheckDigit:
      reason["expected"] = ToPython(finding.expected);
      reason["found"] = ToPython(finding.found);
      break;
    case Finding::Kind::kNoSuchDate:
      reason["date"] = ToPython(finding.date);
      break;
    case Finding::Kind::kUnknownPrefix:
      reason["found"] = ToPython(finding.found);
      break;
    case Finding::Kind::kValid:
    case Finding::Kind::kEmpty:
    case Finding::Kind::kNoCheckDigit:
      break;
  }
  return reason;
}

inline pybind11::dict Explain(Scheme& scheme, std::string_view number) {
  return FindingToPython(scheme.Explain(number));
}

inline pybind11::str Complete(Scheme& scheme, std::string_view payload) {
  return ToPython(scheme.Complete(payload));
}

}  // namespace numerant::python
