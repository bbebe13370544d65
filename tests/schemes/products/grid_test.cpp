// SPDX-License-Identifier: MIT
// GRid: the value of every character and every check character, the fields
// at their boundaries, and the findings.
#include <cstddef>
#include <string>
#include <string_view>

#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(GridTest, Calculate) {
  ExpectCalculate({
      {"GRid", "A1-2425G-ABC1234002", "M",
       R"(IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC1234002")"},
      {"GRid", "a1 2425g abc1234002", "M"},
      {"GRid", "A1000000000000000", "X"},
      {"GRid", "A1-2425G-ABC123400_", "",
       R"(CheckDigit="" IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC123400_")"},
      {"GRid", "A1/2425G/ABC1234002", ""},
      {"GRid", "A12425GABC1234002M", "", R"(IdentifierScheme="")"},
  });
  ExpectCheck({
      {"GRid", "A12425GABC1234002M", "valid"},
      {"GRid", "a1-2425g-abc1234002-m", "valid", R"(CheckDigit="M" IssueCode="2425G")"},
      {"GRid", "A12425GABC1234002N", "invalid", R"(CheckDigit="M")"},
      {"GRid", "A12425GABC1234002", "invalid"},
  });
}

TEST(GridTest, EveryCharacterValueAndCheckCharacter) {
  // The last character's 36 values give 36 different final products, so the
  // answers run through every check character.
  constexpr std::string_view kCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  constexpr std::string_view kLast = "QOMKIGECA8642ZXVTRPNLJHFDB975310YWUS";
  constexpr std::string_view kFirst = "9ATBUCVDWEXFYGZH0ISJ1K2L3M4N5O6P7Q8R";
  for (std::size_t i = 0; i < kCharacters.size(); ++i) {
    const std::string last = "A12425GABC123400" + std::string(1, kCharacters[i]);
    const std::string first = kCharacters[i] + std::string("1000000000000000");
    EXPECT_EQ(Create("GRid")->CalculateText(last), std::string(1, kLast[i])) << last;
    EXPECT_EQ(Create("GRid")->CalculateText(first), std::string(1, kFirst[i])) << first;
  }
}

TEST(GridTest, Explain) {
  ExpectExplain({
      {"GRid", "", "no number typed"},
      {"GRid", "A12425GABC1234002", "18 characters expected, 17 typed"},
      {"GRid", "A1-2425G-ABC123400_-M", "the character \"_\" cannot stand at place 19"},
      {"GRid", "A12425GABC1234002_", "the character \"_\" cannot stand at place 18"},
      {"GRid", "a12425gabc1234002n", "check character should be M, not N"},
  });
}

}  // namespace
}  // namespace numerant::testing
