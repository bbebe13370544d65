#include <gtest/gtest.h>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "schemes/business/dea.h"
#include "schemes/business/mod11_10.h"
#include "schemes/business/mrn.h"
#include "schemes/business/pps.h"
#include "schemes/business/weighted_sum.h"
#include "schemes/general/luhn.h"

namespace numerant {
namespace {

const SchemeFactory kAcn = MakeScheme<ACN>, kBi = MakeScheme<BI>, kBsn = MakeScheme<BSN>,
                    kNhs = MakeScheme<NHS>, kNip = MakeScheme<NIP>, kRegon = MakeScheme<REGON>,
                    kTfn = MakeScheme<TFN>, kPps = MakeScheme<PPS>, kDea = MakeScheme<DEA>,
                    kBzu = MakeScheme<BZU>, kNih = MakeScheme<NIH>, kMrn = MakeScheme<MRN>;

struct CalculateCase {
  SchemeFactory create;
  const char* stem;
  const char* result;
};

struct CheckCase {
  SchemeFactory create;
  const char* number;
  bool valid;
};

void ExpectCalculate(std::span<const CalculateCase> cases) {
  for (const auto& c : cases) {
    const auto scheme = c.create();
    EXPECT_EQ(scheme->CalculateText(c.stem), c.result) << scheme->Name() << " " << c.stem;
  }
}

void ExpectCheck(std::span<const CheckCase> cases) {
  for (const auto& c : cases) {
    const auto scheme = c.create();
    EXPECT_EQ(scheme->Check(c.number), c.valid) << scheme->Name() << " " << c.number;
  }
}

TEST(WeightedSumTest, Calculate) {
  const CalculateCase cases[] = {
      {kAcn, "004 085 61", "6"},      {kAcn, "00000001", "9"},
      {kAcn, "0040856", "-1"},        {kAcn, "004.085.61", "-1"},
      {kBi, "12345678", "9"},         {kBi, "00000000", "11"},
      {kBi, "00000006", "10"},        {kBsn, "111.222.33", "3"},
      {kBsn, "111-222-33", "-1"},     {kBsn, "00000005", "10"},
      {kNhs, "943 476 591", "9"},     {kNhs, "123456789", "-1"},
      {kNhs, "000000000", "0"},       {kNip, "123-456-32-1", "8"},
      {kNip, "000000003", "0"},       {kRegon, "12345678", "5"},
      {kRegon, "1234567851234", "7"}, {kRegon, "00000003", "10"},
      {kRegon, "1234567890", "-1"},   {kRegon, "12345678901", "-1"},
      {kRegon, "123456789012", "-1"}, {kRegon, "0000900000000", "0"},
      {kTfn, "12345678", "2"},        {kTfn, "1234567", "7"},
      {kTfn, "0000009", "10"},        {kTfn, "1234567a", "-1"},
  };
  ExpectCalculate(cases);
}

TEST(WeightedSumTest, Check) {
  const CheckCase cases[] = {
      {kAcn, "004 085 616", true},      {kAcn, "004085617", false},
      {kBi, "1234-5678 9", true},       {kBsn, "111.222.333", true},
      {kBsn, "111-222-333", false},     {kNhs, "943-476-5919", true},
      {kNhs, "943.476.5919", false},    {kNip, "123-456-32-18", true},
      {kNip, "0000000030", true},       {kRegon, "123456785", true},
      {kRegon, "12345678512347", true}, {kRegon, "1234567851234", false},
      {kTfn, "123 456 782", true},      {kTfn, "12345677", true},
  };
  ExpectCheck(cases);
}

// ":", ";" and "/" stand at the values 10, 11 and -1 from "0"; they must not
// match those computed values any more than a digit does.
TEST(WeightedSumTest, ValuesOutsideZeroToNineMatchNoLastCharacter) {
  const CalculateCase unmatchable[] = {
      {kBi, "00000000", "11"},      {kBi, "00000006", "10"},    {kBsn, "00000005", "10"},
      {kNhs, "123456789", "-1"},    {kRegon, "00000003", "10"}, {kTfn, "00000006", "10"},
      {kBzu, "000000000007", "10"},
  };
  ExpectCalculate(unmatchable);
  for (const auto& c : unmatchable) {
    for (char last : std::string("0123456789:;/")) {
      EXPECT_FALSE(c.create()->Check(c.stem + std::string(1, last))) << c.stem << last;
    }
  }
}

TEST(LetterNumbersTest, CalculateAndCheck) {
  const CalculateCase calculated[] = {
      {kPps, "1234567", "T"},    {kPps, "0000000", "W"},   {kPps, "123 456-7", "T"},
      {kPps, "123456A", ""},     {kPps, "12345678", ""},   {kDea, "AB123456", "3"},
      {kDea, "BJ654321", "0"},   {kDea, "FB123456", "-1"}, {kDea, "A1123456", "-1"},
      {kDea, "ab 123-456", "3"},
  };
  ExpectCalculate(calculated);
  const CheckCase checked[] = {
      {kPps, "1234567T", true},   {kPps, "1234567t", false},  {kPps, "1234567TW", false},
      {kPps, "1234567W", false},  {kDea, "ab123456-3", true}, {kDea, "AB1234564", false},
      {kDea, "AB123456:", false},
  };
  ExpectCheck(checked);
}

TEST(LetterNumbersTest, DeaFieldsAreFilledBeforeTheDigitsAreTested) {
  const FieldValue unparsed(std::int16_t{0});
  const struct {
    const char* code;
    const char *type, *initial;
    FieldValue prescriber;
  } cases[] = {
      {"ab123456-3", "A", "B", "123456"}, {"AB12345X3", "A", "B", "12345X"},
      {"FB1234563", "", "", unparsed},    {"A11234563", "", "", unparsed},
      {"AB12345", "", "", unparsed},
  };
  for (const auto& c : cases) {
    DEA dea;
    dea.Check(c.code);
    EXPECT_EQ(dea.RegistrantType(), c.type) << c.code;
    EXPECT_EQ(dea.LastNameInitial(), c.initial) << c.code;
    EXPECT_EQ(dea.PrescriberNumber(), c.prescriber) << c.code;
  }
}

TEST(RecurrenceTest, CalculateAndCheck) {
  const CalculateCase calculated[] = {
      {kBzu, "1234 5678 9012", "4"},
      {kBzu, "100000000000", "7"},
      {kBzu, "1234.5678.9012", "-1"},
      {kBzu, "12345678901", "-1"},
      {kNih, "123456789", "7"},
      {kNih, "000000000", "6"},
      {kNih, "12345678x", "-1"},
      {kMrn, "7992739871", "3"},
      {kMrn, "AB12", "9"},
      {kMrn, "ab-12", "9"},
      {kMrn, "X", "2"},
      {kMrn, "1", "8"},
      {kMrn, "0", "0"},
      {kMrn, "+", "-1"},
      {kMrn, "0+", "-1"},
      {kMrn, "+0", "-1"},
      {kMrn, "&0", "0"},
      {kMrn, "/5", "0"},
      {kMrn, "\xE9", "4"},
      {kMrn, "\xC9", "4"},
  };
  ExpectCalculate(calculated);
  const CheckCase checked[] = {
      {kBzu, "1234-5678-9012-4", true},
      {kBzu, "1234567890125", false},
      {kNih, "123456789-7", true},
      {kNih, "1234567897x", false},
      {kMrn, "79927398713", true},
      {kMrn, "ab-129", true},
      {kMrn, "0", false},
      {kMrn, "&00", true},
  };
  ExpectCheck(checked);
}

// Valid under ISO 7064 MOD 11,10: the recurrence run over the whole number
// ends on the intermediate value 1.
TEST(RecurrenceTest, NihTableAgreesWithTheRecurrence) {
  NIH nih;
  for (int i = 0; i < 2000; ++i) {
    const std::string stem = std::to_string(100000000 + i * 449987).substr(0, 9);
    EXPECT_EQ(LastMod1110Intermediate(stem + std::to_string(nih.Calculate(stem))), 1) << stem;
  }
}

TEST(RecurrenceTest, MrnAgreesWithLuhnOnDigitsAndFailsOnA16BitOverflow) {
  MRN mrn;
  Luhn luhn;
  for (int i = 0; i < 3000; ++i) {
    const std::string stem = std::to_string(i * 7919);
    EXPECT_EQ(mrn.Calculate(stem), luhn.Calculate(stem)) << stem;
  }
  // Each pair of "\xFF" adds 207 + 45: 130 pairs make 32760, 131 overflow.
  EXPECT_EQ(mrn.Calculate(std::string(260, '\xFF')), 0);
  EXPECT_EQ(mrn.Calculate(std::string(262, '\xFF')), -1);
}

using Properties = std::vector<std::pair<std::string, PropertyValue>>;

Properties PropertiesOf(const Scheme& scheme) {
  Properties properties;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    properties.emplace_back(name, value);
  });
  return properties;
}

TEST(BusinessNumbersTest, EachCallStartsFromTheUnsetState) {
  const struct {
    SchemeFactory create;
    const char *valid_stem, *unset;
  } cases[] = {
      {kAcn, "00408561", "-1"},     {kBi, "12345678", "-1"},   {kBsn, "11122233", "-1"},
      {kNhs, "943476591", "-1"},    {kNip, "123456321", "-1"}, {kRegon, "12345678", "-1"},
      {kTfn, "12345678", "-1"},     {kPps, "1234567", ""},     {kDea, "AB123456", "-1"},
      {kBzu, "123456789012", "-1"}, {kNih, "123456789", "-1"}, {kMrn, "AB12", "-1"},
  };
  for (const auto& c : cases) {
    const auto fresh = c.create();
    for (const char* empty : {"", " ", " - ", " . "}) {
      const auto scheme = c.create();
      EXPECT_EQ(scheme->CalculateText(empty), c.unset) << scheme->Name() << " '" << empty << "'";
      ASSERT_NE(scheme->CalculateText(c.valid_stem), c.unset) << scheme->Name();
      EXPECT_FALSE(scheme->Check(empty)) << scheme->Name();
      EXPECT_EQ(PropertiesOf(*scheme), PropertiesOf(*fresh)) << scheme->Name();
    }
  }
}

}  // namespace
}  // namespace numerant
