// SPDX-License-Identifier: MIT
// One JSON type per field, over every class: what `list --json` declares is
// what every line of --json holds, or null.
#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "schemes/catalogue.h"
#include "tests/cli/json_reader.h"
#include "tests/cli/run_cli.h"
#include "tests/schemes/samples.h"

namespace numerant::cli {
namespace {

using harness::Json;
using harness::ReadJsonLines;
using harness::RunCli;
using numerant::testing::kSamples;
using numerant::testing::Sample;

// Scheme name to field name to declared type, from `list --json`.
using DeclaredTypes = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;

DeclaredTypes ReadDeclaredTypes() {
  DeclaredTypes declared;
  for (const auto& line : ReadJsonLines(RunCli({"list", "--json"}).out)) {
    if (!line) {
      ADD_FAILURE() << "list --json wrote a line that is not JSON";
      continue;
    }
    auto& fields = declared[line->Find("name")->text];
    for (const auto& [name, type] : line->Find("fields")->members)
      fields.emplace_back(name, type.text);
  }
  return declared;
}

// The sample with its check characters changed, and other shapes that a
// file of numbers holds: the stem alone, nothing, a letter, bytes that are
// not UTF-8.
std::vector<std::string> InputsFor(const Sample& sample) {
  std::string wrong = sample.number;
  const std::size_t place =
      sample.check_place != std::string::npos ? sample.check_place : wrong.size() - 1;
  wrong[place] = wrong[place] == '1' ? '2' : '1';
  std::vector<std::string> inputs{sample.number,
                                  wrong,
                                  sample.stem,
                                  "",
                                  "x",
                                  "\xFF\xFE"
                                  "12"};
  for (const char* stem : sample.more_stems) {
    if (stem != nullptr) inputs.emplace_back(stem);
  }
  return inputs;
}

TEST(CliJsonTypesTest, EveryFieldHoldsItsDeclaredTypeOrNull) {
  const DeclaredTypes declared = ReadDeclaredTypes();
  ASSERT_EQ(declared.size(), 55u);
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.scheme);
    const auto declared_fields = declared.find(sample.scheme);
    ASSERT_NE(declared_fields, declared.end());
    std::string input;
    for (const std::string& line : InputsFor(sample))
      input += line + "\n";
    // Whether each field held a value (not null) on some line.
    std::set<std::string> filled;
    for (std::string_view command : {"check", "calc"}) {
      const auto lines = ReadJsonLines(RunCli({"--json", command, sample.scheme}, input).out);
      ASSERT_EQ(lines.size(), InputsFor(sample).size()) << command;
      for (const auto& line : lines) {
        ASSERT_TRUE(line) << command << ": a line that is not JSON";
        const Json& fields = *line->Find("fields");
        ASSERT_EQ(fields.members.size(), declared_fields->second.size());
        for (std::size_t i = 0; i < fields.members.size(); ++i) {
          const auto& [name, value] = fields.members[i];
          const auto& [declared_name, declared_type] = declared_fields->second[i];
          EXPECT_EQ(name, declared_name);
          if (value.type == Json::Type::kNull) continue;
          filled.insert(name);
          EXPECT_EQ(harness::TypeName(value.type), declared_type)
              << command << " " << name << " on " << line->Find("input")->text;
        }
      }
    }
    // Each declared type is seen in use, not only null.
    for (const auto& [name, type] : declared_fields->second)
      EXPECT_TRUE(filled.contains(name)) << name << " was null on every line";
  }
}

// The declared type of a FieldValue is string because it holds an integer
// only while nothing has been decoded into it: the value it was reset to.
TEST(CliJsonTypesTest, AFieldValueHoldsAnIntegerOnlyAtItsResetValue) {
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.scheme);
    const CatalogueEntry* entry = FindScheme(sample.scheme);
    ASSERT_NE(entry, nullptr);
    std::map<std::string, FieldValue, std::less<>> reset;
    entry->create()->VisitProperties([&](std::string_view name, const PropertyValue& value) {
      if (const auto* field = std::get_if<FieldValue>(&value)) {
        EXPECT_FALSE(field->IsString()) << name << " starts as a string";
        reset.emplace(std::string(name), *field);
      }
    });
    const std::unique_ptr<Scheme> scheme = entry->create();
    for (const std::string& input : InputsFor(sample)) {
      for (const bool check : {true, false}) {
        if (check) {
          scheme->Check(input);
        } else {
          scheme->CalculateText(input);
        }
        scheme->VisitProperties([&](std::string_view name, const PropertyValue& value) {
          const auto* field = std::get_if<FieldValue>(&value);
          if (field == nullptr || field->IsString()) return;
          // The one exception: an EAN-8 has no manufacturer code, which EAN
          // marks with -1 (written as null like a reset value).
          if (sample.scheme == std::string_view("EAN") && name == "ManufacturerCode" &&
              field->IsInteger() && field->Number() == -1) {
            return;
          }
          EXPECT_EQ(*field, reset.find(name)->second)
              << name << " after " << (check ? "Check" : "Calculate") << " of '" << input << "'";
        });
      }
    }
  }
}

// A binary file fed to --json: every line is still one JSON object that a
// strict reader takes, and there is one a line of input.
TEST(CliJsonTypesTest, EveryLineIsStrictJsonWhateverTheBytes) {
  std::string binary;
  std::uint32_t state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    binary.push_back(static_cast<char>(state >> 24));
  }
  const auto lines_in = static_cast<std::size_t>(std::count(binary.begin(), binary.end(), '\n'));
  for (std::string_view scheme : {"MRN", "IBAN", "VIN"}) {
    const auto lines = ReadJsonLines(RunCli({"--json", "calc", scheme}, binary).out);
    EXPECT_EQ(lines.size(), lines_in + 1) << scheme;  // the last line has no line feed
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::nullopt), 0) << scheme;
  }
}

}  // namespace
}  // namespace numerant::cli
