// Table rows that drive a scheme from the catalogue by name, as the window
// and the command line do: the input, the answer of `Calculate` (in text
// form) or of `Check` ("valid" / "invalid"), and, where given, every public
// property afterwards in the order of the class's Descriptor, written as JSON
// values: numbers bare and texts quoted, so that the integer 0 of an unread
// field and the text "0" of a read one differ.
#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "schemes/catalogue.h"

namespace numerant::testing {

inline std::unique_ptr<Scheme> Create(std::string_view name) {
  const CatalogueEntry* entry = FindScheme(name);
  return entry != nullptr && entry->create != nullptr ? entry->create() : nullptr;
}

inline std::string Fields(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view, const PropertyValue& value) {
    if (!text.empty()) text += ' ';
    cli::AppendJsonValue(text, value);
  });
  return text;
}

struct Case {
  std::string_view scheme;
  std::string_view input;
  std::string_view answer;
  const char* fields = nullptr;
};

// Each case runs on a fresh object, as the window runs every refresh.
inline void Expect(bool check, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const auto scheme = Create(c.scheme);
    ASSERT_NE(scheme, nullptr) << c.scheme;
    const std::string input(c.input);
    const std::string answer = !check                 ? scheme->CalculateText(input)
                               : scheme->Check(input) ? "valid"
                                                      : "invalid";
    EXPECT_EQ(answer, c.answer) << c.scheme << " '" << input << "'";
    if (c.fields != nullptr) {
      EXPECT_EQ(Fields(*scheme), c.fields) << c.scheme << " '" << input << "'";
    }
  }
}
inline void ExpectCalculate(std::initializer_list<Case> cases) {
  Expect(false, cases);
}
inline void ExpectCheck(std::initializer_list<Case> cases) {
  Expect(true, cases);
}

}  // namespace numerant::testing
