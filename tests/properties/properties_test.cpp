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

#include "shell/catalogue.h"

namespace numerant {
namespace {

struct Profile {
  const char* name;
  // Worked payloads (numbers without their check characters).
  std::vector<std::string> payloads;
  // Characters the class removes wherever they stand.
  const char* separators = " -";
  // Where the check characters go: at the end, or at this index.
  std::size_t check_at = std::string::npos;
  // How many characters the check takes.
  std::size_t check_width = 1;
  // Whether every change of one digit of a valid number is caught.
  bool catches_single_digit_errors = false;
};

// clang-format off
const std::vector<Profile> kProfiles = {
    {"ACL", {"340156000000"}},
    {"ACN", {"00408561"}},
    {"AHV", {"7823465201"}, " ."},
    {"AK", {"3900101000"}},
    {"BI", {"12345678"}, " -", std::string::npos, 1, true},
    {"BIC", {"CSQU305438", "ABCJ000000"}},
    {"BOL", {"0123456789012345"}},
    {"BSN", {"11122233"}, " .", std::string::npos, 1, true},
    {"BTW", {"1234567"}, " -.", std::string::npos, 2},
    {"BZU", {"000000000000", "123456789012"}},
    {"CAS", {"773218", "6417", "123", "12345678"}},
    {"CNP", {"185031512345"}},
    {"CPF", {"123456789"}, " -.", std::string::npos, 2},
    {"CPR", {"150385412"}},
    {"Creditcard", {"411111111111111", "5"}},
    {"DEA", {"AB123456", "BJ654321"}},
    {"DNI", {"12345678"}},
    {"DUNS", {"15048378"}},
    {"EAN", {"978030640615", "9638507"}},
    {"EUR", {"X0123456789"}},
    {"GRid", {"A12425GABC1234002"}},
    {"HETU", {"010100A123", "311299-123", "010100+999"}, " "},
    {"IBAN", {"DE370400440532013000", "GBWEST12345698765432"}, " -", 2, 2},
    {"IK", {"4850315123"}},
    {"INSZ", {"850315123"}, " -.", std::string::npos, 2},
    {"ISBN", {"030640615", "978030640615"}},
    {"ISSN", {"0317847", "977031784700"}},
    {"JMBG", {"150398571012"}},
    {"MRN", {"AB12", "X", "1234567"}},
    {"NHS", {"943476591"}, " -", std::string::npos, 1, true},
    {"NID", {"850315123", "850315104"}},
    {"NIH", {"123456789"}},
    {"NIP", {"123456321"}},
    {"NPI", {"123456789"}},
    {"OGM", {"0123456789"}, " +/", std::string::npos, 2},
    {"OPC", {"123456789"}},
    {"PESEL", {"8503151234"}},
    {"PNR", {"850315123"}},
    {"PPS", {"1234567"}},
    {"PZN", {"490880"}},
    {"REGON", {"12345678"}, " -", std::string::npos, 1, true},
    {"RUN", {"12345678"}, " ."},
    {"SIN", {"04645428"}},
    {"SIREN", {"73282932"}},
    {"SIS", {"12345678"}, " -.", std::string::npos, 2},
    {"TFN", {"12345678", "1234567"}, " -", std::string::npos, 1, true},
    {"UIC", {"21812471217"}},
    {"UPC", {"03600029145", "0425261"}},
    {"Verhoeff", {"236", "12345", "8473643095"}, " -", std::string::npos, 1, true},
    {"VIN", {"1M8GDM9AKP042788"}, " -", 8},
    {"VSNR", {"15070649C10"}},
    {"WSDLN", {"SMITHJA55BG", "AJAXZZZ11Z1"}, " -", 9},
    {"Luhn", {"7992739871", "1"}, " -", std::string::npos, 1, true},
    {"Modulo10", {"400638133393", "5"}},
    {"Modulo97", {"123456789", "12345678901234567890"}, " -.+/", std::string::npos, 2},
};
// clang-format on

constexpr int kPayloadsPerClass = 400;

void PrintTo(const Profile& profile, std::ostream* out) {
  *out << profile.name;
}

std::string Vary(const std::string& example, std::mt19937& random) {
  std::string text = example;
  for (char& c : text) {
    if (c >= '0' && c <= '9') c = static_cast<char>('0' + random() % 10);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>('A' + random() % 26);
  }
  return text;
}

std::string WithCheck(const Profile& profile, const std::string& payload,
                      const std::string& check) {
  std::string number = payload;
  number.insert(std::min(profile.check_at, number.size()), check);
  return number;
}

// A check value that characters can carry: not unset, and of the width the
// number keeps for it (an integer 10 or 11 is no digit).
bool Carriable(const Profile& profile, const std::string& check) {
  return !check.empty() && check.front() != '-' && check.size() == profile.check_width;
}

class PropertyTest : public ::testing::TestWithParam<Profile> {
 protected:
  std::unique_ptr<Scheme> Fresh() const {
    const CatalogueEntry* entry = FindScheme(GetParam().name);
    return entry != nullptr && entry->create != nullptr ? entry->create() : nullptr;
  }
};

TEST_P(PropertyTest, CompletedPayloadsPassCheck) {
  const Profile& profile = GetParam();
  std::mt19937 random(1);
  int completed = 0;
  for (const std::string& example : profile.payloads) {
    for (int i = 0; i < kPayloadsPerClass; ++i) {
      const std::string payload = Vary(example, random);
      const std::string check = Fresh()->CalculateText(payload);
      if (!Carriable(profile, check)) continue;
      ++completed;
      EXPECT_TRUE(Fresh()->Check(WithCheck(profile, payload, check))) << payload << " " << check;
    }
  }
  // The generator reaches numbers that have check characters at all.
  EXPECT_GT(completed, kPayloadsPerClass / 10) << profile.name;
}

TEST_P(PropertyTest, SeparatorsNeverChangeAResult) {
  const Profile& profile = GetParam();
  const std::string separators = profile.separators;
  std::mt19937 random(2);
  for (const std::string& example : profile.payloads) {
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random);
      const std::string number = WithCheck(profile, payload, Fresh()->CalculateText(payload));
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

TEST_P(PropertyTest, NoCallDependsOnAnEarlierOne) {
  const Profile& profile = GetParam();
  std::mt19937 random(3);
  const auto reused = Fresh();
  ASSERT_NE(reused, nullptr);
  const auto properties = [](const Scheme& scheme) {
    std::vector<PropertyValue> values;
    scheme.VisitProperties([&](std::string_view, const PropertyValue& v) { values.push_back(v); });
    return values;
  };
  for (int i = 0; i < kPayloadsPerClass; ++i) {
    std::string text =
        Vary(profile.payloads[static_cast<std::size_t>(i) % profile.payloads.size()], random);
    if (i % 3 == 0) text += static_cast<char>('0' + random() % 10);
    if (i % 7 == 0) text.resize(random() % (text.size() + 1));
    const auto fresh = Fresh();
    if (i % 2 == 0) {
      EXPECT_EQ(reused->CalculateText(text), fresh->CalculateText(text)) << text;
    } else {
      EXPECT_EQ(reused->Check(text), fresh->Check(text)) << text;
    }
    EXPECT_EQ(properties(*reused), properties(*fresh)) << text;
  }
}

// Verhoeff, Luhn and the weighted sums whose weights are all prime to their
// modulus and whose remainders map to distinct check values.
class SingleDigitErrorTest : public PropertyTest {};

std::vector<Profile> ProfilesCatchingSingleDigitErrors() {
  std::vector<Profile> profiles;
  for (const Profile& profile : kProfiles) {
    if (profile.catches_single_digit_errors) profiles.push_back(profile);
  }
  return profiles;
}

TEST_P(SingleDigitErrorTest, EveryChangeOfOneDigitIsCaught) {
  const Profile& profile = GetParam();
  std::mt19937 random(4);
  for (const std::string& example : profile.payloads) {
    for (int i = 0; i < kPayloadsPerClass / 4; ++i) {
      const std::string payload = Vary(example, random);
      const std::string check = Fresh()->CalculateText(payload);
      if (!Carriable(profile, check)) continue;
      const std::string valid = WithCheck(profile, payload, check);
      for (std::size_t at = 0; at < valid.size(); ++at) {
        std::string changed = valid;
        changed[at] = static_cast<char>(
            '0' + (static_cast<unsigned>(changed[at] - '0') + 1 + random() % 9) % 10);
        EXPECT_FALSE(Fresh()->Check(changed)) << valid << " -> " << changed;
      }
    }
  }
}

TEST(PropertyCoverageTest, EveryClassHasAProfile) {
  std::size_t classes = 0;
  for (const auto& list : {SchemeList(), BuildingBlocks()}) {
    for (const CatalogueEntry& entry : list) {
      ++classes;
      EXPECT_TRUE(std::any_of(kProfiles.begin(), kProfiles.end(), [&](const Profile& p) {
        return entry.name == p.name;
      })) << entry.name;
    }
  }
  EXPECT_EQ(classes, kProfiles.size());
}

const auto kTestName = [](const auto& test) { return std::string(test.param.name); };
INSTANTIATE_TEST_SUITE_P(AllClasses, PropertyTest, ::testing::ValuesIn(kProfiles), kTestName);
INSTANTIATE_TEST_SUITE_P(Promised, SingleDigitErrorTest,
                         ::testing::ValuesIn(ProfilesCatchingSingleDigitErrors()), kTestName);

}  // namespace
}  // namespace numerant
