// Table rows that drive a scheme from the catalogue by name, as the window
// and the command line do, and compare its result and every public property.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "shell/catalogue.h"

namespace numerant::testing {

inline std::unique_ptr<Scheme> Create(std::string_view name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr && entry->create != nullptr ? entry->create() : nullptr;
}

// Every public property as Name=value, blank separated. Strings are quoted so
// that the integer 0 and the text "0" read differently.
inline std::string Properties(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    text.append(text.empty() ? "" : " ").append(name).append("=");
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, std::string>) {
            text += '"' + v + '"';
          } else if constexpr (std::is_same_v<V, FieldValue>) {
            text += v.IsString() ? '"' + v.ToString() + '"' : v.ToString();
          } else {
            text += std::to_string(v);
          }
        },
        value);
  });
  return text;
}

// One call on a fresh object: the result text of `Calculate`, or "valid" or
// "invalid" from `Check`, and when given the properties afterwards.
struct Case {
  const char* scheme;
  const char* input;
  const char* result;
  const char* properties = nullptr;
};

inline void Expect(bool check, const Case& c) {
  const auto scheme = Create(c.scheme);
  ASSERT_NE(scheme, nullptr) << c.scheme;
  const std::string result = !check                   ? scheme->CalculateText(c.input)
                             : scheme->Check(c.input) ? "valid"
                                                      : "invalid";
  EXPECT_EQ(result, c.result) << c.scheme << " '" << c.input << "'";
  if (c.properties != nullptr) {
    EXPECT_EQ(Properties(*scheme), c.properties) << c.scheme << " '" << c.input << "'";
  }
}
inline void ExpectCalculate(const Case& c) {
  Expect(false, c);
}
inline void ExpectCheck(const Case& c) {
  Expect(true, c);
}

// `Calculate` and then `Check` on one object: the properties afterwards show
// nothing of the first call.
inline void ExpectNothingCarriedOver(const char* name, const char* calculated, const char* checked,
                                     const char* properties) {
  const auto scheme = Create(name);
  ASSERT_NE(scheme, nullptr) << name;
  scheme->CalculateText(calculated);
  scheme->Check(checked);
  EXPECT_EQ(Properties(*scheme), properties) << name << " '" << checked << "'";
}

}  // namespace numerant::testing
