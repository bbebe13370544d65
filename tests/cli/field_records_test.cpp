// SPDX-License-Identifier: MIT
// The field records of every class: one type per field from number to number,
// so that a column of --json lines, of Python values or of a database table
// keeps its type.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/translation.h"
#include "schemes/catalogue.h"
#include "tests/schemes/samples.h"

namespace numerant {
namespace {

using testing::kSamples;
using testing::Sample;

// The sample with its check characters changed, and other shapes that a
// file of numbers holds: the stem alone, nothing, a letter, a character
// outside ISO-8859-1.
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
                                  "?\xFF"
                                  "12"};
  for (const char* stem : sample.more_stems) {
    if (stem != nullptr) inputs.emplace_back(stem);
  }
  return inputs;
}

bool HoldsType(const FieldContent& value, JsonType type) {
  switch (type) {
    case JsonType::kBoolean:
      return std::holds_alternative<bool>(value);
    case JsonType::kNumber:
      return std::holds_alternative<std::int64_t>(value);
    case JsonType::kString:
      break;
  }
  return std::holds_alternative<std::string>(value);
}

TEST(FieldRecordsTest, EveryFieldIsItsDeclaredTypeOrNullAndFilledOnSomeNumber) {
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.scheme);
    const CatalogueEntry* entry = FindScheme(sample.scheme);
    ASSERT_NE(entry, nullptr);
    const std::vector<FieldRecord> declared = RecordFields(*entry->create());
    // The integer each FieldValue holds before decoding.
    std::map<std::string_view, FieldValue> reset;
    entry->create()->VisitProperties([&](std::string_view name, const PropertyValue& value) {
      if (const auto* field = std::get_if<FieldValue>(&value)) {
        EXPECT_FALSE(field->IsString()) << name << " starts as a string";
        reset.emplace(name, *field);
      }
    });
    std::set<std::string_view> filled;
    const std::unique_ptr<Scheme> scheme = entry->create();
    for (const std::string& input : InputsFor(sample)) {
      for (const bool check : {true, false}) {
        if (check) {
          scheme->Check(input);
        } else {
          scheme->CalculateText(input);
        }
        const std::vector<FieldRecord> records = RecordFields(*scheme);
        ASSERT_EQ(records.size(), declared.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
          EXPECT_EQ(records[i].name, declared[i].name);
          EXPECT_EQ(records[i].type, declared[i].type);
          if (std::holds_alternative<std::monostate>(records[i].value)) continue;
          filled.insert(records[i].name);
          EXPECT_TRUE(HoldsType(records[i].value, records[i].type)) << records[i].name;
        }
        // A FieldValue is null only while it holds the integer it was reset
        // to, or where EAN marks an EAN-8's missing manufacturer code with -1:
        // any other integer would be a decoded value written as null.
        scheme->VisitProperties([&](std::string_view name, const PropertyValue& value) {
          const auto* field = std::get_if<FieldValue>(&value);
          if (field == nullptr || field->IsString()) return;
          if (sample.scheme == std::string_view("EAN") && name == "ManufacturerCode" &&
              *field == FieldValue(std::int16_t{-1})) {
            return;
          }
          EXPECT_EQ(*field, reset.at(name)) << name << " of '" << input << "'";
        });
      }
    }
    for (const FieldRecord& field : declared)
      EXPECT_TRUE(filled.contains(field.name)) << field.name << " was null on every number";
  }
}

}  // namespace
}  // namespace numerant
