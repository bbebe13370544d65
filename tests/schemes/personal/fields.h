// Test helpers for the personal numbers: the values of every public property
// of a scheme object on one line, in the order of its descriptor, so that one
// table row states them all. Strings stand in single quotes, so that the text
// "0" and the integer 0 differ.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "shell/field_value.h"
#include "shell/scheme.h"

namespace numerant::personal_test {

template <typename V>
std::string Show(const V& value) {
  if constexpr (std::is_same_v<V, bool>) return value ? "true" : "false";
  if constexpr (std::is_same_v<V, std::string>) return "'" + value + "'";
  if constexpr (std::is_same_v<V, FieldValue>) {
    return value.IsString() ? "'" + std::string(value.Text()) + "'" : value.ToString();
  }
  if constexpr (std::is_integral_v<V>) return std::to_string(value);
}

template <typename T>
std::string Fields(const T& scheme) {
  std::string line;
  std::apply([&](const auto&... p) { ((line += " " + Show((scheme.*p.read)())), ...); },
             Descriptor<T>::kProperties);
  return line.substr(1);
}

// The fields after `Calculate` on a fresh object; its result must be the
// check digit it leaves behind.
template <typename T>
std::string Calculated(std::string_view body) {
  T scheme;
  const auto result = scheme.Calculate(body);
  EXPECT_EQ(result, scheme.CheckDigit()) << body;
  return Fields(scheme);
}

// One row of a table: what `run` makes of `input`.
struct Case {
  std::string (*run)(std::string_view);
  const char* input;
  const char* expected;
};

inline void ExpectCases(std::initializer_list<Case> cases) {
  for (const Case& c : cases)
    EXPECT_EQ(c.run(c.input), c.expected) << c.input;
}

template <typename T>
void ExpectValidity(std::initializer_list<const char*> valid,
                    std::initializer_list<const char*> invalid) {
  for (const char* number : valid)
    EXPECT_TRUE(T().Check(number)) << number;
  for (const char* number : invalid)
    EXPECT_FALSE(T().Check(number)) << number;
}

// Empty or separator-only text gives the start values, and `Check` after
// `Calculate` shows only what `Check` decoded.
template <typename T>
void ExpectEveryCallStartsAfresh(std::string_view body, std::string_view other_number) {
  SCOPED_TRACE(Descriptor<T>::kName);
  const T fresh;
  T scheme, checker;
  for (std::string_view blank : {"", " ", " - "}) {
    scheme.Calculate(body);
    EXPECT_EQ(scheme.Calculate(blank), fresh.CheckDigit());
    EXPECT_EQ(Fields(scheme), Fields(fresh));
  }
  ASSERT_TRUE(checker.Check(other_number));
  scheme.Calculate(body);
  EXPECT_TRUE(scheme.Check(other_number));
  EXPECT_EQ(Fields(scheme), Fields(checker));
  scheme.Calculate(body);
  EXPECT_FALSE(scheme.Check(body));  // one character short
  EXPECT_EQ(Fields(scheme), Fields(fresh));
}

}  // namespace numerant::personal_test
