// SPDX-License-Identifier: MIT
// Properties that hold for every scheme class, tried on generated numbers.
//
// Payloads are drawn from each class's worked examples by replacing every
// digit with a random digit and every capital with a random capital, so they
// have the class's accepted lengths and shapes. Fixed seeds make every run
// the same.
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "schemes/catalogue.h"
#include "tests/schemes/samples.h"

namespace numerant {
namespace {

using testing::kFurtherSamples;
using testing::kSamples;
using testing::Sample;

// The stems a sample's shapes are varied from.
std::vector<std::string> Stems(const Sample& sample) {
  std::vector<std::string> stems{sample.stem};
  for (const char* more : sample.more_stems) {
    if (more != nullptr) stems.emplace_back(more);
  }
  return stems;
}

constexpr int kPayloadsPerClass = 400;

// The example with its digits and capitals drawn anew, but for the
// sample's fixed prefix and suffix and its kept places.
std::string Vary(const std::string& example, std::mt19937& random, const Sample& sample) {
  std::string text = example;
  const std::string_view kept = sample.kept_places != nullptr ? sample.kept_places : "";
  for (std::size_t i = 0; i + sample.fixed_suffix < text.size(); ++i) {
    char& c = text[i];
    if (i < sample.fixed_prefix || (i < kept.size() && kept[i] == '=')) continue;
    if (c >= '0' && c <= '9') c = static_cast<char>('0' + random() % 10);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>('A' + random() % 26);
  }
  return text;
}

std::string WithCheck(const Sample& sample, const std::string& payload, const std::string& check) {
  std::string number = payload;
  number.insert(std::min(sample.check_place, number.size()), check);
  return number;
}

// A check value that characters can carry: not unset, and of the width the
// number keeps for it (an integer 10 or 11 is no digit).
bool Carriable(const Sample& sample, const std::string& check) {
  return !check.empty() && check.front() != '-' && check.size() == sample.check_length;
}

class PropertyTest : public ::testing::TestWithParam<Sample> {
 protected:
  std::unique_ptr<Scheme> Fresh() const {
    const CatalogueEntry* entry = FindScheme(GetParam().scheme);
    return entry != nullptr ? entry->create() : nullptr;
  }
};

TEST_P(PropertyTest, CompletedPayloadsPassCheck) {
  const Sample& sample = GetParam();
  if (sample.check_length == 0) {
    // Nothing to calculate or put back, however valid the number.
    EXPECT_EQ(Fresh()->CalculateText(sample.number), "");
    EXPECT_EQ(Fresh()->Complete(sample.number), "");
    EXPECT_TRUE(Fresh()->Check(sample.number));
    return;
  }
  std::mt19937 random(1);
  int completed = 0;
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass; ++i) {
      const std::string payload = Vary(example, random, sample);
      const std::string check = Fresh()->CalculateText(payload);
      if (!Carriable(sample, check)) continue;
      ++completed;
      EXPECT_TRUE(Fresh()->Check(WithCheck(sample, payload, check))) << payload << " " << check;
    }
  }
  // The generator reaches numbers that have check characters at all.
  EXPECT_GT(completed, kPayloadsPerClass / 10) << sample.scheme;
}

TEST_P(PropertyTest, SeparatorsNeverChangeAResult) {
  const Sample& sample = GetParam();
  const std::string separators = sample.separators;
  std::mt19937 random(2);
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random, sample);
      const std::string number = WithCheck(sample, payload, Fresh()->CalculateText(payload));
      const auto spread = [&](const std::string& text) {
        std::string spread_text;
        for (char c : text) {
          if (random() % 3 == 0) spread_text += separators[random() % separators.size()];
          spread_text += c;
        }
        return spread_text + separators[random() % separators.size()];
      };
      EXPECT_EQ(Fresh()->CalculateText(spread(payload)), Fresh()->CalculateText(payload));
      EXPECT_EQ(Fresh()->Check(spread(number)), Fresh()->Check(number)) << number;
    }
  }
}

// The fields a scheme shows after a call, in one line.
std::string FieldsOf(const Scheme& scheme) {
  std::string text;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    text.append(name).append("=").append(std::to_string(value.index())).append(":");
    std::visit(
        [&](const auto& held) {
          using T = std::decay_t<decltype(held)>;
          if constexpr (std::is_same_v<T, std::string>) {
            text += held;
          } else if constexpr (std::is_same_v<T, FieldValue>) {
            text += held.ToString();
          } else {
            text += std::to_string(held);
          }
        },
        value);
    text += ' ';
  });
  return text;
}

// Texts of every kind a person types: the valid number, with one character
// changed, one too few or too many, letters and separators among the digits.
std::vector<std::string> Texts(const Sample& sample, std::mt19937& random) {
  const std::string alphabet = "0123456789AKXZak -./+?";
  std::vector<std::string> texts = {"", " ", sample.number, sample.stem};
  for (int i = 0; i < kPayloadsPerClass / 2; ++i) {
    std::string text = Vary(sample.number, random, sample);
    switch (random() % 4) {
      case 0:
        text[random() % text.size()] = alphabet[random() % alphabet.size()];
        break;
      case 1:
        text.pop_back();
        break;
      case 2:
        text.insert(random() % text.size(), 1, alphabet[random() % alphabet.size()]);
        break;
      default:
        break;
    }
    texts.push_back(text);
  }
  return texts;
}

TEST_P(PropertyTest, ExplainSaysValidExactlyWhenCheckAcceptsAndLeavesTheSameFields) {
  std::mt19937 random(5);
  for (const std::string& text : Texts(GetParam(), random)) {
    const auto checked = Fresh();
    const auto explained = Fresh();
    const bool valid = checked->Check(text);
    const Finding finding = explained->Explain(text);
    EXPECT_EQ(finding.valid(), valid) << "'" << text << "': " << Describe(finding);
    EXPECT_EQ(FieldsOf(*explained), FieldsOf(*checked)) << "'" << text << "'";
    if (finding.kind == Finding::Kind::kBadCharacter) {
      // The place points at the character in the text as typed.
      ASSERT_GE(finding.place, 1u) << text;
      ASSERT_LE(finding.place, text.size()) << text;
      EXPECT_EQ(text[finding.place - 1], finding.character) << text;
    }
  }
}

// A character that no rule accepts, put in each place of a valid number typed
// with separators, is the character Explain points at, at its place as typed.
TEST_P(PropertyTest, ABadCharacterIsFoundWhereItWasTyped) {
  const Sample& sample = GetParam();
  std::string typed;
  for (const char c : std::string(sample.number)) {
    if (typed.size() % 4 == 3) typed += sample.separators[0];
    typed += c;
  }
  int found = 0;
  for (std::size_t at = 0; at < typed.size(); ++at) {
    if (typed[at] == sample.separators[0]) continue;
    std::string text = typed;
    text[at] = '?';
    const Finding finding = Fresh()->Explain(text);
    if (finding.kind != Finding::Kind::kBadCharacter) continue;
    ++found;
    EXPECT_EQ(finding.place, at + 1) << text;
    EXPECT_EQ(finding.character, '?') << text;
  }
  EXPECT_GT(found, 0) << typed;
}

TEST_P(PropertyTest, CompleteGivesANumberThatPassesCheck) {
  const Sample& sample = GetParam();
  if (sample.check_length == 0) return;
  EXPECT_EQ(Fresh()->Complete(sample.stem), sample.number);
  std::mt19937 random(6);
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random, sample);
      const std::string complete = Fresh()->Complete(payload);
      const std::string check = Fresh()->CalculateText(payload);
      if (complete.empty()) {
        EXPECT_FALSE(Carriable(sample, check)) << payload << " " << check;
        continue;
      }
      EXPECT_TRUE(Fresh()->Check(complete)) << payload << " -> " << complete;
    }
  }
}

// Over valid numbers, the same with one character changed, and with
// separators put in: the written form reads back as the number, keeps its
// verdict, and is written the same again.
TEST_P(PropertyTest, WrittenFormsReadBack) {
  const Sample& sample = GetParam();
  std::mt19937 random(7);
  const std::string separators = sample.separators;
  std::vector<std::string> numbers{sample.number};
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass / 8; ++i) {
      const std::string payload = Vary(example, random, sample);
      const std::string complete = Fresh()->Complete(payload);
      std::string number = complete.empty() ? payload : complete;
      numbers.push_back(number);
      if (!number.empty()) {
        std::string changed = number;
        changed[random() % changed.size()] = "0A -./+"[random() % 7];
        numbers.push_back(changed);
        if (!separators.empty()) {
          number.insert(random() % number.size(), 1, separators[random() % separators.size()]);
        }
        numbers.push_back(number);
      }
    }
  }
  const auto scheme = Fresh();
  for (const std::string& x : numbers) {
    const std::string compact = scheme->Compact(x);
    const std::string written = scheme->Format(x);
    EXPECT_EQ(scheme->Compact(compact), compact) << x;
    EXPECT_EQ(scheme->Compact(written), compact) << x << " -> " << written;
    EXPECT_EQ(scheme->Format(written), written) << x << " -> " << written;
    if (Fresh()->Check(x)) {
      EXPECT_TRUE(Fresh()->Check(written)) << x << " -> " << written;
    }
  }
}

// Verhoeff, Luhn and the weighted sums whose weights are all prime to their
// modulus and whose remainders map to distinct check values.
class SingleDigitErrorTest : public PropertyTest {};

std::vector<Sample> SamplesCatchingSingleDigitErrors() {
  std::vector<Sample> samples;
  for (const auto& list :
       {std::span<const Sample>(kSamples), std::span<const Sample>(kFurtherSamples)}) {
    for (const Sample& sample : list) {
      if (sample.catches_single_digit_errors) samples.push_back(sample);
    }
  }
  return samples;
}

TEST_P(SingleDigitErrorTest, EveryChangeOfOneDigitIsCaught) {
  const Sample& sample = GetParam();
  std::mt19937 random(4);
  for (const std::string& example : Stems(sample)) {
    // The long REGON weighs one place 0, so the promise is the short one's.
    if (sample.scheme == std::string_view("REGON") && example.size() != 8) continue;
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random, sample);
      const std::string check = Fresh()->CalculateText(payload);
      if (!Carriable(sample, check)) continue;
      const std::string valid = WithCheck(sample, payload, check);
      for (std::size_t at = 0; at < valid.size(); ++at) {
        std::string changed = valid;
        changed[at] = static_cast<char>(
            '0' + (static_cast<unsigned>(changed[at] - '0') + 1 + random() % 9) % 10);
        EXPECT_FALSE(Fresh()->Check(changed)) << valid << " -> " << changed;
      }
    }
  }
}

// The fieldless route answers as Check does, for every catalogue entry: on
// its worked examples and the numbers its payloads complete to, typed with
// and without separators, with every character changed, dropped or doubled,
// and on texts no one means as a number. One object answers IsValid for all
// of them, after Check and other numbers on the same object, so that nothing
// a call leaves can reach the next answer.
class FieldlessRouteTest : public ::testing::TestWithParam<const CatalogueEntry*> {};

std::vector<const CatalogueEntry*> EveryEntry() {
  std::vector<const CatalogueEntry*> entries;
  for (const auto& list : {SchemeList(), BuildingBlocks(), FurtherFormats()}) {
    for (const CatalogueEntry& entry : list)
      entries.push_back(&entry);
  }
  return entries;
}

// What is put in each place of a number, for every change of one character:
// digits, capitals, the check letters, small letters, separators, marks and
// a character outside ASCII.
constexpr std::string_view kReplacements = "0159AKXZax -./+?\xE9";

std::vector<std::string> TextsAround(const CatalogueEntry& entry) {
  std::vector<std::string> seeds;
  for (const Example& example : entry.examples) {
    seeds.emplace_back(example.input);
    std::string plain;
    for (char c : example.input) {
      if (c != ' ' && c != '-') plain += c;
    }
    seeds.push_back(plain);
    if (example.kind == Example::Kind::kCalculates) {
      const std::string complete = entry.create()->Complete(example.input);
      if (!complete.empty()) seeds.push_back(complete);
    }
  }
  std::vector<std::string> texts = {"",
                                    " ",
                                    "-",
                                    "0",
                                    "00",
                                    "X",
                                    std::string(13, '0'),
                                    std::string(1000, '9'),
                                    std::string(1001, '9'),
                                    std::string(1000, '0') + "A"};
  for (const std::string& seed : seeds) {
    texts.push_back(seed);
    std::string small = seed;
    for (char& c : small) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    texts.push_back(small);
    texts.push_back(seed + seed);
    for (std::size_t at = 0; at < seed.size(); ++at) {
      for (char c : kReplacements) {
        std::string changed = seed;
        changed[at] = c;
        texts.push_back(changed);
      }
      texts.push_back(seed.substr(0, at) + seed.substr(at + 1));
      texts.push_back(seed.substr(0, at) + seed[at] + seed.substr(at));
    }
  }
  return texts;
}

TEST_P(FieldlessRouteTest, AnswersAsCheckDoes) {
  const CatalogueEntry& entry = *GetParam();
  const auto reused = entry.create();
  const auto checked = entry.create();
  std::size_t valid = 0;
  for (const std::string& text : TextsAround(entry)) {
    const bool expected = checked->Check(text);
    valid += expected ? 1U : 0U;
    EXPECT_EQ(reused->IsValid(text), expected) << entry.name << " '" << text << "'";
    // The same object's Check, after IsValid, is not led astray either.
    if (text.size() % 7 == 0) {
      EXPECT_EQ(reused->Check(text), expected) << text;
    }
  }
  // The examples give the route valid numbers to judge, not only invalid
  // ones.
  EXPECT_GT(valid, 0u) << entry.name;
}

INSTANTIATE_TEST_SUITE_P(EveryEntry, FieldlessRouteTest, ::testing::ValuesIn(EveryEntry()),
                         [](const auto& test) {
                           std::string name(test.param->name);
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

// "be.vat" runs as be_vat.
const auto kTestName = [](const auto& test) {
  std::string name = test.param.scheme;
  std::replace(name.begin(), name.end(), '.', '_');
  return name;
};
INSTANTIATE_TEST_SUITE_P(AllClasses, PropertyTest,
                         ::testing::ValuesIn(std::begin(kSamples), std::end(kSamples)), kTestName);
INSTANTIATE_TEST_SUITE_P(FurtherFormats, PropertyTest,
                         ::testing::ValuesIn(std::begin(kFurtherSamples),
                                             std::end(kFurtherSamples)),
                         kTestName);
INSTANTIATE_TEST_SUITE_P(Promised, SingleDigitErrorTest,
                         ::testing::ValuesIn(SamplesCatchingSingleDigitErrors()), kTestName);

}  // namespace
}  // namespace numerant
