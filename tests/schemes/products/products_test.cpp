// SPDX-License-Identifier: MIT
// ISBN, ISSN, ACL, OPC, PZN, CAS and GRid. The expected check characters of
// the table rows were worked out apart from the code, from the published
// rules.
#include "tests/schemes/cases.h"
#include "tests/schemes/variations.h"

namespace numerant::testing {
namespace {

constexpr std::string_view kDigits = "0123456789";

TEST(ProductsTest, EveryTableEntry) {
  // A single 1 asks for 11 minus its place's weight, the last digit for
  // every other remainder.
  ExpectEachPlace("ISBN", "000000000", "123456789");
  ExpectEachCharacter("ISBN", "00000000?", kDigits, "097531X864");
  ExpectEachPlace("ISSN", "0000000", "3456789");
  ExpectEachCharacter("ISSN", "000000?", kDigits, "097531X864");
  ExpectEachPlace("PZN", "000000", "234567");
  ExpectEachPlace("CAS", "00000000", "87654321");
  // The rightmost digit weighs 3 (ACL) or is doubled (OPC).
  ExpectEachPlace("ACL", "000000000000", "979797979797");
  ExpectEachPlace("OPC", "000000000", "898989898");
  // GRid: the 36 values of the last character give 36 different products,
  // and so every check character.
  constexpr std::string_view kCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  ExpectEachCharacter("GRid", "A12425GABC123400?", kCharacters,
                      "QOMKIGECA8642ZXVTRPNLJHFDB975310YWUS");
  ExpectEachCharacter("GRid", "?1000000000000000", kCharacters,
                      "9ATBUCVDWEXFYGZH0ISJ1K2L3M4N5O6P7Q8R");
}

TEST(ProductsTest, Calculate) {
  ExpectCalculate({
      {"ISBN", "0-306-40615", "2", R"(GroupCode="03" PublisherCode="0640" TitleNumber="615")"},
      {"ISBN", "978123456789", "7", R"(GroupCode="12" PublisherCode="3456" TitleNumber="789")"},
      {"ISBN", "979123456789", "6"},
      {"ISBN", "03064O615", "", R"(CheckDigit="" GroupCode="03" TitleNumber="615")"},
      {"ISBN", "97803064061A", "", R"(GroupCode="03" TitleNumber="61A")"},
      // Another prefix is no book's: the fields stay unread.
      {"ISBN", "977030640615", "", R"(GroupCode=0 PublisherCode=0 TitleNumber=0)"},
      {"ISSN", "977031784700", "1"},
      {"ISSN", "978031784700", ""},
      {"ACL", "3401-5600 0000", "9", R"(CategoryCode=5 PrefixCode="3401")"},
      {"ACL", "34015600000A", "-1", R"(CategoryCode=5 PrefixCode="3401")"},
      // A fifth character that is no digit stops the step before the prefix.
      {"ACL", "3401A6000000", "-1", R"(CategoryCode=0 PrefixCode=0)"},
      {"OPC", "123456789", "7", R"(ManufacturerCode="12345" ProductCode="6789")"},
      {"OPC", "12345678A", "-1", R"(ManufacturerCode="12345" ProductCode="678A")"},
      {"PZN", "490880", "2"},
      {"PZN", "000003", "10"},
      {"PZN", "000006", "9"},
      {"CAS", "7732-18", "5"},
      {"CAS", "100", "3"},
      {"CAS", "12", "-1"},
      {"CAS", "123456789", "-1"},
      {"GRid", "A1-2425G-ABC1234002", "M",
       R"(IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC1234002")"},
      {"GRid", "a1 2425g abc123400_", "",
       R"(CheckDigit="" IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC123400_")"},
  });
}

TEST(ProductsTest, Check) {
  ExpectCheck({
      {"ISBN", "0-8044-2957-x", "valid", R"(CheckDigit="X" GroupCode="08")"},
      {"ISBN", "978030640615X", "invalid", R"(CheckDigit="7" GroupCode="03")"},
      {"ISSN", "2434-561x", "valid"},
      {"ACL", "3401560000008", "invalid", "CheckDigit=9 CategoryCode=5"},
      {"OPC", "12345-6789-7", "valid", R"(ManufacturerCode="12345")"},
      {"PZN", "490880-2", "valid"},
      {"CAS", "100000008", "valid"},
      {"CAS", "123", "invalid"},
      {"GRid", "a1-2425g-abc1234002-m", "valid", R"(CheckDigit="M")"},
  });
}

TEST(ProductsTest, Explain) {
  ExpectExplain({
      {"ISBN", "", "no number typed"},
      {"ISBN", "03064061", "10 or 13 digits expected, 8 typed"},
      {"CAS", "12", "4 to 9 digits expected, 2 typed"},
      {"GRid", "A12425GABC1234002", "18 characters expected, 17 typed"},
      {"ISBN", "03064O6152", "the letter O cannot stand at place 6"},
      {"ISBN", "97A0306406157", "the letter A cannot stand at place 3"},
      {"ACL", "3401A60000009", "the letter A cannot stand at place 5"},
      {"GRid", "A1-2425G-ABC123400_-M", "the character \"_\" cannot stand at place 19"},
      {"GRid", "A12425GABC1234002_", "the character \"_\" cannot stand at place 18"},
      {"ISBN", "9770306406157", "no check character exists for this number"},
      {"PZN", "1234600", "no check digit exists for this number"},
      {"ISBN", "978030640615X", "check character should be 7, not X"},
      {"OPC", "12345-6789-8", "check digit should be 7, not 8"},
  });
}

}  // namespace
}  // namespace numerant::testing
