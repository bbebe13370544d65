// Table-driven cases for scheme classes: each case names the input, the
// answer of `Calculate` (in text form) or `Check`, and every public property
// afterwards, rendered in the order of the class's Descriptor.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "shell/scheme.h"

namespace numerant::testing {

// Numbers bare and texts quoted, so that the integer 0 of an unread field and
// the text "0" of a read one differ.
inline std::string Render(const PropertyValue& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::string>) {
          return "\"" + v + "\"";
        } else if constexpr (std::is_same_v<V, FieldValue>) {
          return v.IsString() ? "\"" + v.ToString() + "\"" : v.ToString();
        } else if constexpr (std::is_same_v<V, bool>) {
          return v ? "true" : "false";
        } else {
          return std::to_string(int{v});
        }
      },
      value);
}

// Every public property of the scheme, separated by blanks.
inline std::string Fields(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view, const PropertyValue& value) {
    if (!text.empty()) text += ' ';
    text += Render(value);
  });
  return text;
}

struct CalculateCase {
  std::string_view input;
  std::string_view result;
  std::string_view fields;
};

struct CheckCase {
  std::string_view input;
  bool valid;
  std::string_view fields;
};

// Each case runs on a fresh object, as the window runs every refresh.
template <DescribedScheme T>
void ExpectCalculate(std::initializer_list<CalculateCase> cases) {
  for (const CalculateCase& c : cases) {
    SchemeAdapter<T> scheme;
    EXPECT_EQ(scheme.CalculateText(c.input), c.result) << Descriptor<T>::kName << " " << c.input;
    EXPECT_EQ(Fields(scheme), c.fields) << Descriptor<T>::kName << " " << c.input;
  }
}

template <DescribedScheme T>
void ExpectCheck(std::initializer_list<CheckCase> cases) {
  for (const CheckCase& c : cases) {
    SchemeAdapter<T> scheme;
    EXPECT_EQ(scheme.Check(c.input), c.valid) << Descriptor<T>::kName << " " << c.input;
    EXPECT_EQ(Fields(scheme), c.fields) << Descriptor<T>::kName << " " << c.input;
  }
}

}  // namespace numerant::testing
