// Table-driven cases for scheme classes: the input, the answer of `Calculate`
// (in text form) or `Check`, and every public property afterwards in the
// order of the class's Descriptor, written as JSON values: numbers bare and
// texts quoted, so that the integer 0 of an unread field and the text "0" of a
// read one differ.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "shell/scheme.h"

namespace numerant::typed_cases {

inline std::string Fields(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view, const PropertyValue& value) {
    if (!text.empty()) text += ' ';
    cli::AppendJsonValue(text, value);
  });
  return text;
}

struct Case {
  std::string_view input;
  std::string_view answer;  // of `Calculate`, or "valid" / "invalid" of `Check`
  std::string_view fields;
};

// Each case runs on a fresh object, as the window runs every refresh.
template <DescribedScheme T>
void ExpectCalculate(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SchemeAdapter<T> scheme;
    EXPECT_EQ(scheme.CalculateText(c.input), c.answer) << Descriptor<T>::kName << " " << c.input;
    EXPECT_EQ(Fields(scheme), c.fields) << Descriptor<T>::kName << " " << c.input;
  }
}

template <DescribedScheme T>
void ExpectCheck(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SchemeAdapter<T> scheme;
    EXPECT_EQ(scheme.Check(c.input) ? "valid" : "invalid", c.answer) << c.input;
    EXPECT_EQ(Fields(scheme), c.fields) << Descriptor<T>::kName << " " << c.input;
  }
}

}  // namespace numerant::typed_cases
