// SPDX-License-Identifier: MIT
// ISBN and ISSN: the weight of every place, every check character of the
// short forms, the prefixes of the long forms and the ISBN fields.
#include <cstddef>
#include <string>
#include <string_view>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(IsbnIssnTest, Calculate) {
  ExpectCalculate({
      {"ISBN", "0-306-40615", "2", R"(GroupCode="03" PublisherCode="0640" TitleNumber="615")"},
      {"ISBN", "123456789", "X", R"(GroupCode="12" PublisherCode="3456" TitleNumber="789")"},
      {"ISBN", "080442957", "X"},
      {"ISBN", "000000000", "0"},
      {"ISBN", "100000001", "X"},
      {"ISBN", "978-0-306-40615", "7", R"(GroupCode="03" PublisherCode="0640" TitleNumber="615")"},
      {"ISBN", "978123456789", "7", R"(GroupCode="12" PublisherCode="3456" TitleNumber="789")"},
      {"ISBN", "979123456789", "6"},
      {"ISBN", "03064O615", "", R"(CheckDigit="" GroupCode="03" TitleNumber="615")"},
      {"ISBN", "97803064061A", "", R"(GroupCode="03" PublisherCode="0640" TitleNumber="61A")"},
      // Another prefix is no book's: the fields stay unread.
      {"ISBN", "977030640615", "", R"(GroupCode=0 PublisherCode=0 TitleNumber=0)"},
      {"ISBN", "97A030640615", "", "GroupCode=0"},
      {"ISBN", "03064061", ""},
      {"ISSN", "0317-847", "1"},
      {"ISSN", "2434-561", "X"},
      {"ISSN", "0000000", "0"},
      {"ISSN", "977031784700", "1"},
      {"ISSN", "977243456100", "6"},
      {"ISSN", "978031784700", ""},
      {"ISSN", "031784", ""},
  });
}

TEST(IsbnIssnTest, EveryWeight) {
  // A single 1 among zeros asks for 11 minus its place's weight.
  const struct {
    std::string_view scheme;
    std::string_view expected;
  } cases[] = {{"ISBN", "123456789"}, {"ISSN", "3456789"}};
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      std::string payload(c.expected.size(), '0');
      payload[i] = '1';
      EXPECT_EQ(Create(c.scheme)->CalculateText(payload), std::string(1, c.expected[i]))
          << c.scheme << " " << payload;
    }
  }
}

TEST(IsbnIssnTest, Check) {
  ExpectCheck({
      {"ISBN", "0-8044-2957-x", "valid", R"(CheckDigit="X" GroupCode="08")"},
      {"ISBN", "978-0-306-40615-7", "valid"},
      {"ISBN", "978030640615X", "invalid", R"(CheckDigit="7" GroupCode="03")"},
      {"ISBN", "0306406152 ", "valid"},
      {"ISBN", "03064O6152", "invalid"},
      {"ISSN", "2434-561x", "valid"},
      {"ISSN", "9770317847001", "valid"},
      {"ISSN", "03178472", "invalid"},
  });
}

TEST(IsbnIssnTest, Explain) {
  ExpectExplain({
      {"ISBN", "", "no number typed"},
      {"ISBN", "03064061", "10 or 13 digits expected, 8 typed"},
      {"ISBN", "03064O6152", "the letter O cannot stand at place 6"},
      {"ISBN", "97A0306406157", "the letter A cannot stand at place 3"},
      {"ISBN", "030640615?", "the character \"?\" cannot stand at place 10"},
      {"ISBN", "9770306406157", "no check character exists for this number"},
      {"ISBN", "0306406153", "check character should be 2, not 3"},
      {"ISBN", "978030640615X", "check character should be 7, not X"},
      {"ISSN", "031784", "8 or 13 digits expected, 6 typed"},
      {"ISSN", "9780317847001", "no check character exists for this number"},
      {"ISSN", "0317-8479", "check character should be 1, not 9"},
  });
}

}  // namespace
}  // namespace numerant::testing
