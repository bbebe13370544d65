// SPDX-License-Identifier: MIT
// What every scheme class owes its callers, checked over the whole catalogue:
// the unset value and start fields when there is nothing to compute, no trace
// of an earlier call, and no match for anything but a digit in the place of a
// numeric check digit.
#include <cstddef>
#include <string>
#include <variant>

#include "tests/schemes/cases.h"
#include "tests/schemes/samples.h"

namespace numerant::testing {
namespace {

TEST(EverySchemeTest, EachCallStartsAfresh) {
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.scheme);
    const auto scheme = Create(sample.scheme);
    // What a fresh object shows after a call that could compute nothing.
    const auto blank = Create(sample.scheme);
    const std::string unset = blank->CalculateText("");
    for (const char* nothing : {"", "   ", " - "}) {
      EXPECT_NE(scheme->CalculateText(sample.stem), unset);
      EXPECT_EQ(scheme->CalculateText(nothing), unset) << "'" << nothing << "'";
      EXPECT_EQ(AllFields(*scheme), AllFields(*blank)) << "'" << nothing << "'";
    }
    // `Check` after `Calculate` shows only what `Check` found.
    for (const char* number : {sample.number, "1"}) {
      const auto fresh = Create(sample.scheme);
      const bool valid = fresh->Check(number);
      EXPECT_EQ(valid, number == sample.number) << number;
      scheme->CalculateText(sample.stem);
      EXPECT_EQ(scheme->Check(number), valid) << number;
      EXPECT_EQ(AllFields(*scheme), AllFields(*fresh)) << number;
    }
  }
}

bool HasNumericCheckDigit(const Scheme& scheme) {
  bool numeric = false;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    if (name == "CheckDigit") numeric = !std::holds_alternative<std::string>(value);
  });
  return numeric;
}

TEST(EverySchemeTest, OnlyADigitMatchesANumericCheckDigit) {
  for (const Sample& sample : kSamples) {
    const auto scheme = Create(sample.scheme);
    if (!HasNumericCheckDigit(*scheme)) continue;
    std::string number = sample.number;
    const std::size_t place =
        sample.check_place == std::string::npos ? number.size() - 1 : sample.check_place;
    for (char other : {'A', 'x', ':', '/', '\xB2'}) {
      number[place] = other;
      EXPECT_FALSE(scheme->Check(number)) << number;
    }
  }
}

}  // namespace
}  // namespace numerant::testing
