// Properties that hold for every scheme class, tried on generated numbers.
//
// Payloads are drawn from each class's worked examples by replacing every
// digit with a random digit and every capital with a random capital, so they
// have the class's accepted lengths and shapes. Fixed seeds make every run
// the same.
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "schemes/catalogue.h"
#include "tests/schemes/samples.h"

namespace numerant {
namespace {

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

std::string Vary(const std::string& example, std::mt19937& random) {
  std::string text = example;
  for (char& c : text) {
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
    return entry != nullptr && entry->create != nullptr ? entry->create() : nullptr;
  }
};

TEST_P(PropertyTest, CompletedPayloadsPassCheck) {
  const Sample& sample = GetParam();
  std::mt19937 random(1);
  int completed = 0;
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass; ++i) {
      const std::string payload = Vary(example, random);
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
      const std::string payload = Vary(example, random);
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

// Verhoeff, Luhn and the weighted sums whose weights are all prime to their
// modulus and whose remainders map to distinct check values.
class SingleDigitErrorTest : public PropertyTest {};

std::vector<Sample> SamplesCatchingSingleDigitErrors() {
  std::vector<Sample> samples;
  for (const Sample& sample : kSamples) {
    if (sample.catches_single_digit_errors) samples.push_back(sample);
  }
  return samples;
}

TEST_P(SingleDigitErrorTest, EveryChangeOfOneDigitIsCaught) {
  const Sample& sample = GetParam();
  std::mt19937 random(4);
  for (const std::string& example : Stems(sample)) {
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random);
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

const auto kTestName = [](const auto& test) { return std::string(test.param.scheme); };
INSTANTIATE_TEST_SUITE_P(AllClasses, PropertyTest,
                         ::testing::ValuesIn(std::begin(kSamples), std::end(kSamples)), kTestName);
INSTANTIATE_TEST_SUITE_P(Promised, SingleDigitErrorTest,
                         ::testing::ValuesIn(SamplesCatchingSingleDigitErrors()), kTestName);

}  // namespace
}  // namespace numerant
