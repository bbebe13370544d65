// SPDX-License-Identifier: MIT
// The worked examples of a scheme, written beside its rule in its
// `Descriptor` and run as tests (tests/schemes/examples_test.cpp), as a
// docstring's examples are:
//   static constexpr Example kExamples[] = {
//       Calculates("850315123", "69", R"(BirthDate="850315" Gender=1)"),
//       Valid("85.03.15-123.69"),
//       Invalid("85031512370", "check digits should be 69, not 70"),
//   };
// Each example runs on a fresh object, as the window runs every refresh.
// Fields are written as `Name=value`, numbers bare and texts quoted, so that
// the integer 0 of an unread field and the text "0" of a read one differ;
// booleans are true or false. Fields an example does not name are not
// looked at.
#pragma once

#include <string_view>

namespace numerant {

struct Example {
  enum class Kind {
    // `Calculate` answers `answer` in text form ("-1", "", "07", "X").
    kCalculates,
    // `Check` answers true.
    kValid,
    // `Check` answers false and `Explain` finds `answer`, in `Describe`'s
    // words.
    kInvalid,
  };

  Kind kind = Kind::kValid;
  std::string_view input;
  std::string_view answer;
  // The fields the call leaves, as `Name="text" Name=3`.
  std::string_view fields;
};

constexpr Example Calculates(std::string_view input, std::string_view answer,
                             std::string_view fields = {}) {
  return {Example::Kind::kCalculates, input, answer, fields};
}

constexpr Example Valid(std::string_view input, std::string_view fields = {}) {
  return {Example::Kind::kValid, input, "valid", fields};
}

constexpr Example Invalid(std::string_view input, std::string_view reason,
                          std::string_view fields = {}) {
  return {Example::Kind::kInvalid, input, reason, fields};
}

}  // namespace numerant
