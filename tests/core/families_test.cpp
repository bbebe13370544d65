// SPDX-License-Identifier: MIT
// The family bases, each through a small number of its own: what a rule
// computes, how a check value is written, and where a bad character is found.
// The formats built on them are tried through their worked examples.
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>

#include "core/families/check_letter_number.h"
#include "core/families/iso7064_number.h"
#include "core/families/luhn_number.h"
#include "core/families/modulo97_number.h"
#include "core/families/remainder_tables.h"
#include "core/families/weighted_sum_number.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

using System = Iso7064System;

// Check values cross-checked with python-stdnum's iso7064 modules.
TEST(Iso7064NumberTest, EachSystemWritesItsCheckCharacters) {
  const struct {
    System system;
    const char* payload;
    const char* check;
  } cases[] = {
      {System::kMod11_2, "0794", "0"},
      {System::kMod11_2, "000000021825009", "7"},
      {System::kMod11_2, "1", "X"},
      {System::kMod11_2, "99999999999999999999", "1"},
      {System::kMod37_2, "G123489654321", "Y"},
      {System::kMod37_2, "ZZZZZZZZZZZZZZ", "6"},
      {System::kMod37_2, "398", "*"},
      {System::kMod97_10, "G123489654321", "83"},
      {System::kMod97_10, "0", "98"},
      {System::kMod97_10, "129", "02"},
      {System::kMod97_10, "Z", "90"},
      {System::kMod11_10, "0794", "5"},
      {System::kMod11_10, "9", "4"},
      {System::kMod11_10, "102", "0"},
      {System::kMod11_10, "99999999999999999999", "0"},
      {System::kMod37_36, "G123489654321", "G"},
      {System::kMod37_36, "A", "H"},
      {System::kMod37_36, "ZZZZZZZZZZZZZZ", "U"},
  };
  for (const auto& c : cases) {
    const auto value = Iso7064CheckValue(c.system, c.payload);
    ASSERT_TRUE(value) << c.payload;
    EXPECT_EQ(Iso7064CheckText(c.system, *value), c.check)
        << c.payload << " system " << static_cast<int>(c.system);
  }
}

// The value of a character in the alphanumeric systems; the check
// characters X of MOD 11-2 and * of MOD 37-2 stand for 10 and 36.
int ValueOf(char c) {
  if (c == '*') return 36;
  if (c >= '0' && c <= '9') return c - '0';
  return c - 'A' + 10;
}

// Whether a whole number, check characters included, satisfies its system
// as ISO 7064 defines it, worked out the long way.
bool Satisfies(System system, const std::string& whole) {
  switch (system) {
    case System::kMod11_2:
    case System::kMod37_2: {
      const int modulus = system == System::kMod11_2 ? 11 : 37;
      int value = 0;
      for (char c : whole) {
        const int v = system == System::kMod11_2 && c == 'X' ? 10 : ValueOf(c);
        value = (value * 2 + v) % modulus;
      }
      return value == 1;
    }
    case System::kMod97_10: {
      int value = 0;
      for (char c : whole) {
        const int v = ValueOf(c);
        value = (value * (v >= 10 ? 100 : 10) + v) % 97;
      }
      return value == 1;
    }
    case System::kMod11_10:
    case System::kMod37_36: {
      const int modulus = system == System::kMod11_10 ? 10 : 36;
      int product = modulus;
      int sum = 0;
      for (char c : whole) {
        sum = (product + ValueOf(c)) % modulus;
        if (sum == 0) sum = modulus;
        product = (2 * sum) % (modulus + 1);
      }
      return sum == 1;
    }
  }
  return false;
}

TEST(Iso7064NumberTest, EveryCheckCompletesTheSystem) {
  constexpr std::string_view kDigits = "0123456789";
  unsigned seed = 12345;
  const auto next = [&seed](std::size_t below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  for (System system : {System::kMod11_2, System::kMod37_2, System::kMod97_10, System::kMod11_10,
                        System::kMod37_36}) {
    const std::string_view alphabet = ReadsLetters(system) ? kAlphanumeric : kDigits;
    for (int i = 0; i < 500; ++i) {
      std::string payload;
      for (std::size_t n = 1 + next(20); n > 0; --n)
        payload += alphabet[next(alphabet.size())];
      const auto value = Iso7064CheckValue(system, payload);
      ASSERT_TRUE(value) << payload;
      EXPECT_TRUE(Satisfies(system, payload + Iso7064CheckText(system, *value)))
          << payload << " system " << static_cast<int>(system);
    }
  }
}

TEST(Iso7064NumberTest, ACharacterTheSystemDoesNotReadGivesNothing) {
  const struct {
    System system;
    const char* payload;
  } cases[] = {
      {System::kMod11_2, "12A4"},  {System::kMod11_10, "12A4"}, {System::kMod37_2, "12a4"},
      {System::kMod97_10, "1-24"}, {System::kMod37_36, "*"},    {System::kMod11_2, ""},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(Iso7064CheckValue(c.system, c.payload)) << c.payload;
  }
}

// A number of any length on one system, its check value written the ISO way
// or, where `ten_for_zero`, as BZU writes it.
template <typename Value>
class Iso7064Sample final : public Iso7064Number<Iso7064Sample<Value>, Value> {
 public:
  Iso7064Sample(System system, bool letters, bool ten_for_zero = false)
      : Iso7064Number<Iso7064Sample<Value>, Value>(system,
                                                   {.separators = " ",
                                                    .payload_letters = letters,
                                                    .payload_lengths = Lengths::AtLeast(1),
                                                    .check_characters = CheckCharacters::kAny}),
        ten_for_zero_(ten_for_zero) {}

 private:
  friend Iso7064Number<Iso7064Sample<Value>, Value>;
  Value CheckDigitOf(int value) const override {
    if constexpr (std::is_same_v<Value, std::int16_t>) {
      if (ten_for_zero_ && value == 0) return 10;
    }
    return Iso7064Number<Iso7064Sample<Value>, Value>::CheckDigitOf(value);
  }

  bool ten_for_zero_;
};

TEST(Iso7064NumberTest, TheBadCharacterIsThePayloadsFirstUnreadOne) {
  Iso7064Sample<std::string> digits(System::kMod11_2, false);
  Iso7064Sample<std::string> alphanumeric(System::kMod37_36, true);
  const struct {
    Iso7064Sample<std::string>* number;
    const char* text;
    std::size_t place;
  } cases[] = {
      {&digits, "07A4X", 3},       {&digits, "0 7A4X", 4},       {&digits, "A794X", 1},
      {&alphanumeric, "AB*D1", 3}, {&alphanumeric, "A B*D1", 4}, {&alphanumeric, "ABCD-1", 5},
  };
  for (const auto& c : cases) {
    const Finding finding = c.number->Explain(c.text);
    EXPECT_EQ(finding.kind, Finding::Kind::kBadCharacter) << c.text;
    EXPECT_EQ(finding.place, c.place) << c.text;
  }
  EXPECT_TRUE(digits.Check("0 794 0"));
  EXPECT_EQ(digits.Calculate("1"), "X");
  EXPECT_EQ(alphanumeric.Calculate("G123489654321"), "G");
}

TEST(Iso7064NumberTest, ARuleMayWriteACheckValueItsOwnWay) {
  Iso7064Sample<std::int16_t> iso(System::kMod11_10, false);
  Iso7064Sample<std::int16_t> bzu(System::kMod11_10, false, true);
  EXPECT_EQ(iso.Calculate("102"), 0);
  EXPECT_EQ(bzu.Calculate("102"), 10);
  EXPECT_EQ(bzu.Calculate("0794"), 5);
  EXPECT_TRUE(iso.Check("1020"));
  // No digit carries 10.
  EXPECT_EQ(bzu.Explain("1020").kind, Finding::Kind::kNoCheckDigit);
}

template <typename Fields = NoFields>
class LetterSample final : public CheckLetterNumber<LetterSample<Fields>, Fields> {
 public:
  LetterSample(Lengths lengths, const CheckLetterRule& rule)
      : CheckLetterNumber<LetterSample<Fields>, Fields>(
            {.separators = " ",
             .payload_lengths = lengths,
             .check_characters = CheckCharacters::kLetters},
            rule) {}
};

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

TEST(CheckLetterNumberTest, TheLetterOfTheRemainder) {
  LetterSample<> read(Lengths::AtLeast(1), {.letters = kSpanishCheckLetters});
  LetterSample<> weighted(Lengths::Exactly(7),
                          {.letters = kIrishCheckLetters, .weights = kWeights});
  const struct {
    LetterSample<>* number;
    const char* payload;
    const char* letter;
  } cases[] = {
      {&read, "12345678", "Z"},
      {&read, "00000023", "T"},
      {&read, "22", "E"},
      // Longer than any integer: the remainder is kept as the digits come.
      {&read, "123456789012345678901234567890", "S"},
      {&weighted, "1234567", "T"},
      {&weighted, "9999999", "P"},
      {&weighted, "0000000", "W"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.number->Calculate(c.payload), c.letter) << c.payload;
    EXPECT_TRUE(c.number->Check(std::string(c.payload) + c.letter)) << c.payload;
  }
}

TEST(CheckLetterNumberTest, TheBadCharacterIsTheFirstNonDigit) {
  LetterSample<> read(Lengths::Exactly(8), {.letters = kSpanishCheckLetters});
  LetterSample<> weighted(Lengths::Exactly(7),
                          {.letters = kIrishCheckLetters, .weights = kWeights});
  const struct {
    LetterSample<>* number;
    const char* text;
    std::size_t place;
  } cases[] = {
      {&read, "1234A678Z", 5},    {&read, "1 234A678Z", 6},   {&read, "12345678-", 9},
      {&weighted, "12x4567T", 3}, {&weighted, "123456.T", 7},
  };
  for (const auto& c : cases) {
    const Finding finding = c.number->Explain(c.text);
    EXPECT_EQ(finding.kind, Finding::Kind::kBadCharacter) << c.text;
    EXPECT_EQ(finding.place, c.place) << c.text;
  }
  const Finding wrong = read.Explain("12345678T");
  EXPECT_EQ(wrong.kind, Finding::Kind::kWrongCheckDigit);
  EXPECT_EQ(wrong.expected, "Z");
}

// A check letter's weighted sum is the one of every weighted sum: in 16-bit
// arithmetic, so that a sum beyond 32,767 gives no letter. Heavy weights
// reach that range with a few nines.
TEST(CheckLetterNumberTest, TheWeightedSumIsTheSharedOne) {
  constexpr std::array<std::int16_t, 4> kHeavy{9000, 1, 200, 3};
  LetterSample<> heavy(Lengths::Exactly(kHeavy.size()),
                       {.letters = kSpanishCheckLetters, .weights = kHeavy});
  LetterSample<> light(Lengths::Exactly(kWeights.size()),
                       {.letters = kIrishCheckLetters, .weights = kWeights});
  const struct {
    LetterSample<>* number;
    std::span<const std::int16_t> weights;
    std::string_view letters;
  } rules[] = {{&heavy, kHeavy, kSpanishCheckLetters}, {&light, kWeights, kIrishCheckLetters}};
  for (const auto& rule : rules) {
    for (int n = 0; n < 20000; ++n) {
      std::string payload;
      for (std::size_t i = 0, rest = static_cast<std::size_t>(n) * 7919; i < rule.weights.size();
           ++i, rest /= 10)
        payload += static_cast<char>('0' + rest % 10);
      const auto sum = WeightedDigitSum(payload, rule.weights);
      const std::string expected =
          sum ? std::string(1, rule.letters[static_cast<std::size_t>(*sum) % rule.letters.size()])
              : "";
      EXPECT_EQ(rule.number->Calculate(payload), expected) << payload;
    }
  }
}

// Each table by the rule it is named after, so that no entry strays.
TEST(RemainderTablesTest, EachEntryFollowsTheTablesRule) {
  for (std::size_t i = 0; i < 10; ++i) {
    const int r = static_cast<int>(i);
    EXPECT_EQ(kTenMinusRemainder[i], (10 - r) % 10) << r;
  }
  for (std::size_t i = 0; i < 11; ++i) {
    const int r = static_cast<int>(i);
    EXPECT_EQ(kElevenMinusRemainder[i], 11 - r) << r;
    EXPECT_EQ(kElevenMinusRemainderNoneForOne[i], r == 1 ? -1 : (11 - r) % 11) << r;
    EXPECT_EQ(kElevenMinusRemainderZeroForOne[i], r <= 1 ? 0 : 11 - r) << r;
    EXPECT_EQ(kRemainderOf11TenAsZero[i], r % 10) << r;
    EXPECT_EQ(kRemainderOf11[i], r) << r;
  }
}

// The letter tables: 23 different capitals each.
TEST(CheckLetterNumberTest, EachTableHoldsEveryLetterOnce) {
  for (std::string_view letters : {kSpanishCheckLetters, kIrishCheckLetters}) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
      EXPECT_TRUE(letters[i] >= 'A' && letters[i] <= 'Z') << letters;
      EXPECT_EQ(letters.find(letters[i]), i) << letters;
    }
  }
}

class LuhnSample final : public LuhnNumber<> {
 public:
  explicit LuhnSample(std::string_view prefix)
      : LuhnNumber({.payload_lengths = Lengths::Exactly(9), .prefix = prefix}) {}
};

TEST(LuhnNumberTest, ThePrefixCountsButIsNotTyped) {
  LuhnSample plain({});
  LuhnSample prefixed("80840");
  EXPECT_EQ(plain.Calculate("123456789"), 7);
  EXPECT_EQ(prefixed.Calculate("123456789"), 3);
  EXPECT_TRUE(prefixed.Check("123 456 789 3"));
  const Finding bad = prefixed.Explain("1234x67893");
  EXPECT_EQ(bad.kind, Finding::Kind::kBadCharacter);
  EXPECT_EQ(bad.place, 5u);
}

class Modulo97Sample final : public Modulo97Number<> {
 public:
  explicit Modulo97Sample(bool reverse)
      : Modulo97Number(
            {.separators = " ", .payload_lengths = Lengths::Exactly(8), .reverse = reverse}) {}
};

TEST(Modulo97NumberTest, TheRemainderOrNinetySevenLessIt) {
  Modulo97Sample remainder(false);
  Modulo97Sample reversed(true);
  EXPECT_EQ(remainder.Calculate("12345678"), FieldValue("03"));
  EXPECT_EQ(reversed.Calculate("12345678"), FieldValue("94"));
  // Reversed, a multiple of 97 asks for 97, never 00.
  EXPECT_EQ(reversed.Calculate("00009700"), FieldValue("97"));
  EXPECT_EQ(remainder.Calculate("00009700"), FieldValue("00"));
  // Marks count towards the length but not towards the value.
  EXPECT_EQ(remainder.Calculate("1234-678"), FieldValue("62"));
  const Finding bad = remainder.Explain("1234a67803");
  EXPECT_EQ(bad.kind, Finding::Kind::kBadCharacter);
  EXPECT_EQ(bad.place, 5u);
}

constexpr std::array<std::int16_t, 3> kFirst{1, 2, 3};
constexpr std::array<std::int16_t, 3> kSecond{3, 5, 7};
constexpr std::array<Weights, 1> kByLength{Weights(kFirst)};

class WeightedSample final : public WeightedSumNumber<> {
 public:
  explicit WeightedSample(const WeightedSumRule& rule) : WeightedSumNumber(rule) {}
};

TEST(WeightedSumNumberTest, TheTableOfTheRemainderAndTheSecondWeighting) {
  static constexpr WeightedSumRule kOnePass{.separators = " ",
                                            .weights_by_length = kByLength,
                                            .check_digit_of_remainder = kElevenMinusRemainder};
  static constexpr WeightedSumRule kTwoPasses{.separators = " ",
                                              .weights_by_length = kByLength,
                                              .check_digit_of_remainder = kRemainderOf11,
                                              .second_weights = kSecond};
  WeightedSample one(kOnePass);
  WeightedSample two(kTwoPasses);
  const struct {
    WeightedSample* number;
    const char* payload;
    std::int16_t check;
  } cases[] = {
      {&one, "123", 8},   // 1 + 4 + 9 = 14, remainder 3
      {&one, "000", 11},  // which no digit carries
      {&one, "100", 10}, {&two, "123", 3},
      {&two, "103", 2},  // 10 calls for the second weighting: 3 + 21 = 24
      {&two, "430", 5},  // 4 + 6 = 10, then 12 + 15 = 27
      {&two, "048", 0},  // 10 on both weightings (32, then 76) counts as 0
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.number->Calculate(c.payload), c.check) << c.payload;
  }
  const Finding bad = one.Explain("1 2x4");
  EXPECT_EQ(bad.kind, Finding::Kind::kBadCharacter);
  EXPECT_EQ(bad.place, 4u);
}

}  // namespace
}  // namespace numerant
