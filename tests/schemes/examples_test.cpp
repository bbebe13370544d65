// SPDX-License-Identifier: MIT
// Every worked example beside every rule, run as a docstring's examples are:
// each on a fresh object, through the catalogue as the faces reach it.
#include <gtest/gtest.h>
#include <string>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

// A text as a C++ literal, so that a failure prints the row as it should
// be written.
std::string Literal(std::string_view text) {
  std::string literal = "\"";
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      literal += '\\';
      literal += c;
    } else if (code < 0x20 || code >= 0x7f) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      literal += "\\x";
      literal += kHex[code >> 4];
      literal += kHex[code & 15];
    } else {
      literal += c;
    }
  }
  return literal + '"';
}

void RunExamples(const CatalogueEntry& entry) {
  ASSERT_FALSE(entry.examples.empty()) << entry.name << " has no examples";
  bool valid = false, calculates = false, invalid = false;
  for (const Example& example : entry.examples) {
    const auto scheme = entry.create();
    const std::string input(example.input);
    std::string answer;
    switch (example.kind) {
      case Example::Kind::kCalculates:
        calculates = true;
        answer = scheme->CalculateText(input);
        break;
      case Example::Kind::kValid:
      case Example::Kind::kInvalid: {
        valid = valid || example.kind == Example::Kind::kValid;
        invalid = invalid || example.kind == Example::Kind::kInvalid;
        const bool checked = scheme->Check(input);
        const Finding finding = entry.create()->Explain(input);
        // "valid" also for a format without check characters, whose words
        // add "(no check digit)".
        answer = finding.valid() ? "valid" : Describe(finding);
        // Check's verdict is Explain's.
        EXPECT_EQ(checked, finding.valid()) << entry.name << " " << Literal(input);
        break;
      }
    }
    EXPECT_EQ(answer, example.answer)
        << entry.name << " " << Literal(input) << " gives " << Literal(answer);
    if (!example.fields.empty()) {
      EXPECT_EQ(NamedFields(*scheme, example.fields), example.fields)
          << entry.name << " " << Literal(input);
    }
  }
  // Each format shows a valid number, a calculation and an invalid number.
  EXPECT_TRUE(valid && calculates && invalid) << entry.name << " lacks a kind of example";
}

TEST(ExamplesTest, EveryExampleOfEveryScheme) {
  for (const auto& list : {SchemeList(), BuildingBlocks(), FurtherFormats()}) {
    for (const CatalogueEntry& entry : list)
      RunExamples(entry);
  }
}

}  // namespace
}  // namespace numerant::testing
