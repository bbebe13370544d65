// SPDX-License-Identifier: MIT
// `explain` and `complete`, which answer through `Scheme::Explain` and
// `Scheme::Complete`.
//
// ---------------------------------------------------------------------------
// WAITING FOR THE LIBRARY: until the Scheme interface declares Explain and
// Complete, both functions raise NotImplementedError and their tests skip.
// They switch on by themselves once the interface has them. The conversion
// of a finding below is written against the finding's planned shape; if the
// library's names differ, the compiler stops in FindingToPython, and that
// function is the one place to adapt.
// ---------------------------------------------------------------------------
#pragma once

#include <concepts>
#include <optional>
#include <pybind11/pybind11.h>
#include <string>
#include <string_view>
#include <type_traits>

#include "python/python_text.h"
#include "shell/scheme.h"

namespace numerant::python {

template <typename S>
concept CanExplain = requires(S& scheme, std::string_view number) {
  scheme.Explain(number);
};

template <typename S>
concept CanComplete = requires(S& scheme, std::string_view payload) {
  { scheme.Complete(payload) } -> std::convertible_to<std::string>;
};

inline constexpr bool kLibraryExplains = CanExplain<Scheme>;
inline constexpr bool kLibraryCompletes = CanComplete<Scheme>;

namespace detail {

// A bound of an accepted length: a number, or None for "no upper bound".
template <typename Bound>
pybind11::object BoundToPython(const Bound& bound) {
  if constexpr (requires { bound.has_value(); }) {
    return bound.has_value() ? pybind11::object(pybind11::int_(*bound)) : pybind11::none();
  } else {
    return pybind11::int_(bound);
  }
}

}  // namespace detail

// The finding as the command line's "reason" writes it: "kind" and only the
// members that apply to that kind.
//
// Planned shape: `kind`, an enumeration kValid, kEmpty, kLength, kCharacter,
// kNoCheckDigit, kCheckDigit; `length` (the length read) and `lengths` (pairs
// of lowest and highest accepted length, the highest optional); `place` (1-based)
// and `character`; `expected` and `found`.
template <typename Finding>
pybind11::dict FindingToPython(const Finding& finding) {
  using Kind = decltype(finding.kind);
  pybind11::dict reason;
  switch (finding.kind) {
    case Kind::kValid:
      reason["kind"] = "valid";
      break;
    case Kind::kEmpty:
      reason["kind"] = "empty";
      break;
    case Kind::kLength: {
      reason["kind"] = "length";
      reason["length"] = pybind11::int_(finding.length);
      pybind11::list lengths;
      for (const auto& [lowest, highest] : finding.lengths) {
        pybind11::list range;
        range.append(detail::BoundToPython(lowest));
        range.append(detail::BoundToPython(highest));
        lengths.append(range);
      }
      reason["lengths"] = lengths;
      break;
    }
    case Kind::kCharacter:
      reason["kind"] = "character";
      reason["place"] = pybind11::int_(finding.place);
      reason["character"] = ToPython(std::string_view(&finding.character, 1));
      break;
    case Kind::kNoCheckDigit:
      reason["kind"] = "no-check-digit";
      break;
    case Kind::kCheckDigit:
      reason["kind"] = "check-digit";
      reason["expected"] = ToPython(finding.expected);
      reason["found"] = ToPython(finding.found);
      break;
  }
  return reason;
}

template <typename S>
pybind11::dict Explain(S& scheme, std::string_view number) {
  if constexpr (CanExplain<S>) {
    return FindingToPython(scheme.Explain(number));
  } else {
    PyErr_SetString(PyExc_NotImplementedError,
                    "explain needs Scheme::Explain, which this build of the library lacks");
    throw pybind11::error_already_set();
  }
}

template <typename S>
pybind11::str Complete(S& scheme, std::string_view payload) {
  if constexpr (CanComplete<S>) {
    return ToPython(scheme.Complete(payload));
  } else {
    PyErr_SetString(PyExc_NotImplementedError,
                    "complete needs Scheme::Complete, which this build of the library lacks");
    throw pybind11::error_already_set();
  }
}

}  // namespace numerant::python
