// SPDX-License-Identifier: MIT
// What the worked examples and the tables cannot show of a rule: its
// arithmetic at the edges of 16 bits, the promises it makes over many
// numbers, and members beyond the common face.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/alternating_weights.h"
#include "core/iso7064.h"
#include "core/text.h"
#include "schemes/general/luhn.h"
#include "schemes/general/modulo10.h"
#include "schemes/general/modulo97.h"
#include "schemes/general/verhoeff.h"
#include "schemes/health/mrn.h"
#include "schemes/health/nih.h"
#include "schemes/products/ean_upc.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(RulesTest, DigitSumOfADoubledDigit) {
  const std::pair<std::uint8_t, std::uint8_t> cases[] = {{9, 9}, {18, 9}, {99, 18}, {123, 15}};
  for (const auto& [n, sum] : cases)
    EXPECT_EQ(DigitSum(n), sum) << int{n};
}

TEST(RulesTest, SixteenBitSumsAndLengthsBeyond32767Fail) {
  // Nines add 9 each in Luhn: 3640 of them sum to 32760, one more
  // overflows; pairs of nines add 36 in Modulo10.
  EXPECT_EQ(Luhn().Calculate(std::string(3640, '9')), 0);
  EXPECT_EQ(Luhn().Calculate(std::string(3641, '9')), -1);
  EXPECT_EQ(Modulo10().Calculate(std::string(1820, '9')), 0);
  EXPECT_EQ(Modulo10().Calculate(std::string(1821, '9')), -1);
  EXPECT_EQ(Luhn().Calculate(std::string(32768, '0')), -1);
  EXPECT_EQ(Modulo10().Calculate(std::string(32768, '0')), -1);
  EXPECT_NE(Verhoeff().Calculate(std::string(32766, '1')), -1);
  EXPECT_EQ(Verhoeff().Calculate(std::string(32767, '1')), -1);  // 32768 with its digit
  // MRN: each pair of "\xFF" adds 207 + 45: 130 pairs make 32760, 131 overflow.
  EXPECT_EQ(MRN().Calculate(std::string(260, '\xFF')), 0);
  EXPECT_EQ(MRN().Calculate(std::string(262, '\xFF')), -1);
}

TEST(RulesTest, Modulo97ReversedKeepsItsRuleAcrossCalls) {
  const std::pair<std::string, const char*> cases[] = {
      {"123456789", "58"}, {"0", "97"}, {"2147483648", "31"}, {"1" + std::string(96, '0'), "96"}};
  Modulo97 modulo97;
  modulo97.SetReverse(true);
  for (const auto& [payload, check_digits] : cases)
    EXPECT_EQ(modulo97.Calculate(payload), check_digits) << payload;
  EXPECT_TRUE(modulo97.Check("12371"));
  EXPECT_FALSE(modulo97.Check("12"));
  EXPECT_EQ(modulo97.CheckDigit(), FieldValue(std::int16_t{-1}));
  EXPECT_TRUE(modulo97.Reverse());
}

// Single-digit errors are covered for every promising scheme by the
// property tests; swaps of neighbours are Verhoeff's own promise.
TEST(RulesTest, VerhoeffCatchesEverySwapOfNeighbours) {
  const std::string valid = "84736430950";
  Verhoeff verhoeff;
  ASSERT_TRUE(verhoeff.Check(valid));
  for (std::size_t i = 0; i + 1 < valid.size(); ++i) {
    if (valid[i] == valid[i + 1]) continue;
    std::string swapped = valid;
    std::swap(swapped[i], swapped[i + 1]);
    EXPECT_FALSE(verhoeff.Check(swapped)) << swapped;
  }
}

// A valid number under ISO 7064 MOD 11,10 runs the recurrence, check digit
// included, to the intermediate value 1.
TEST(RulesTest, NihCheckDigitEndsTheRecurrenceOnOne) {
  NIH nih;
  for (int i = 0; i < 2000; ++i) {
    const std::string payload = std::to_string(100000000 + i * 449987).substr(0, 9);
    EXPECT_EQ(Mod1110LastIntermediate(payload + std::to_string(nih.Calculate(payload))), 1)
        << payload;
  }
}

// A rejected number still shows the fields read before the fault: the
// parts cut by place at once, those that need digits only once they are.
TEST(RulesTest, ARejectedNumberShowsWhatWasReadBeforeTheFault) {
  const struct {
    const char* scheme;
    const char* text;
    const char* reason;
    const char* fields;
  } cases[] = {
      {"HETU", "131052-3A8T", "the letter A cannot stand at place 9",
       R"(BirthDate="131052" Century=20 Gender=0 IdentificationNumber=0)"},
      {"HETU", "13105A-308T", "the letter A cannot stand at place 6",
       R"(BirthDate="13105A" Century=20 Gender=0)"},
      {"NID", "8X0315123R", "the letter X cannot stand at place 2",
       R"(BirthDate="8X0315" Century=19 Gender=1 SequenceNumber="123")"},
      {"NID", "85X315123R", "the letter X cannot stand at place 3",
       R"(BirthDate=0 Century=0 Gender=0 SequenceNumber=0)"},
      {"GRid", "A12425GABC12340*2M", "the character \"*\" cannot stand at place 16",
       R"(IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC12340*2")"},
      {"DNI", "1234A678Z", "the letter A cannot stand at place 5", R"(CheckDigit="")"},
  };
  for (const auto& c : cases) {
    const auto scheme = Create(c.scheme);
    EXPECT_EQ(Describe(scheme->Explain(c.text)), c.reason) << c.scheme << " " << c.text;
    EXPECT_EQ(NamedFields(*scheme, c.fields), c.fields) << c.scheme << " " << c.text;
  }
}

// Each building block answers by its own system, on the values only it
// writes, and folds small letters wherever a letter may stand.
TEST(RulesTest, EachIso7064BuildingBlockIsItsOwnSystem) {
  const struct {
    const char* name;
    const char* payload;
    const char* check;
  } cases[] = {
      {"iso7064.mod_11_2", "1", "X"},
      {"iso7064.mod_37_2", "398", "*"},
      {"iso7064.mod_97_10", "129", "02"},
      {"iso7064.mod_11_10", "102", "0"},
      {"iso7064.mod_37_36", "g123489654321", "G"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.name)->CalculateText(c.payload), c.check) << c.name;
    EXPECT_TRUE(Create(c.name)->Check(std::string(c.payload) + c.check)) << c.name;
  }
  EXPECT_TRUE(Create("iso7064.mod_11_2")->Check("1x"));
  EXPECT_TRUE(Create("iso7064.mod_97_10")->Check("g12348965432183"));
}

TEST(RulesTest, MrnAgreesWithLuhnOnDigits) {
  MRN mrn;
  Luhn luhn;
  for (int i = 0; i < 3000; ++i) {
    const std::string payload = std::to_string(i * 7919);
    EXPECT_EQ(mrn.Calculate(payload), luhn.Calculate(payload)) << payload;
  }
}

// "" until the first call, "-1" after a call that computed nothing.
TEST(RulesTest, RunCheckDigitBeforeTheFirstCall) {
  EXPECT_EQ(NamedFields(*Create("RUN"), R"(CheckDigit="")"), R"(CheckDigit="")");
}

TEST(RulesTest, EanTwoDigitNumberSystems) {
  // Row n, column m: the number-system length of an EAN-13 starting "nm".
  constexpr std::string_view kLengths =
      "2222222222"   // 00-09
      "2222222222"   // 10-19
      "2222222222"   // 20-29
      "2222222233"   // 30-39
      "3333323332"   // 40-49
      "2333233233"   // 50-59
      "3333233333"   // 60-69
      "2332332333"   // 70-79
      "2222233233"   // 80-89
      "2232233332";  // 90-99
  for (int prefix = 0; prefix < 100; ++prefix) {
    EAN ean;
    ean.Calculate(TwoDigits(prefix) + "0000000000");
    const auto length = static_cast<std::size_t>(kLengths[static_cast<std::size_t>(prefix)] - '0');
    EXPECT_EQ(ean.NumberSystem().Text().size(), length) << prefix;
  }
}

TEST(RulesTest, UpcConvertsBetweenUpcEAndUpcA) {
  // One pair for each place the suppressed zeros can stand.
  const char* const pairs[][2] = {
      {"04252614", "042100005264"}, {"0123453", "01230000045"},   {"0123454", "01234000005"},
      {"0123455", "01234500005"},   {"01234559", "012345000059"},
  };
  UPC upc;
  for (const auto& pair : pairs) {
    EXPECT_EQ(upc.Convert(pair[0]), pair[1]);
    EXPECT_EQ(upc.Convert(pair[1]), pair[0]);
  }
  for (const char* none : {"03600029145", "042526A4", "012345678", ""}) {
    EXPECT_EQ(upc.Convert(none), "") << none;
  }
}

}  // namespace
}  // namespace numerant::testing
