// SPDX-License-Identifier: MIT
// The securities, trade, logistics, publishing and research identifiers
// beyond their worked examples: where the check characters are put back,
// the alphabet of Luhn mod N, the 52's answers through the shared
// arithmetic, and the conversions between two forms of a number.
#include <string>
#include <string_view>

#include "schemes/further/conversions.h"
#include "schemes/general/luhn_mod_n.h"
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(IdentifiersTest, CompletePutsTheCheckCharactersInTheirPlace) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"iso11649", "RF 5390 0754 7034", "RF18539007547034"},
      {"s10", "RB12345678GB", "RB123456785GB"},
      {"isan", "000000018CFA0000I00000000", "000000018CFA0000I00000000K"},
      {"imei", "356868000041412", ""},
      {"isni", "000000012281955", "000000012281955X"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(IdentifiersTest, LuhnModNTakesItsAlphabet) {
  SchemeAdapter<LuhnModN> luhn;
  luhn.scheme().SetAlphabet("0123456789");
  EXPECT_EQ(luhn.CalculateText("7992739871"), "3");
  EXPECT_EQ(luhn.CalculateText("79927A9871"), "");
  luhn.scheme().SetAlphabet("abca");  // a letter twice has no single value
  EXPECT_EQ(luhn.CalculateText("abc"), "");
}

TEST(IdentifiersTest, TheSharedArithmeticKeepsTheAnswersOfThe52) {
  const struct {
    const char* scheme;
    const char* number;
  } cases[] = {
      {"GRid", "A1-2425G-ABC1234002-M"},
      {"IBAN", "DE89 3704 0044 0532 0130 00"},
      {"NIH", "1234567897"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Create(c.scheme)->Check(c.number)) << c.scheme << " " << c.number;
  }
  // The same numbers through the building blocks.
  EXPECT_TRUE(Create("iso7064.mod_37_36")->Check("A12425GABC1234002M"));
  EXPECT_TRUE(Create("iso7064.mod_97_10")->Check("370400440532013000DE89"));
  EXPECT_TRUE(Create("iso7064.mod_11_10")->Check("1234567897"));
}

TEST(IdentifiersTest, ConversionsGiveTheOtherForm) {
  const struct {
    std::string (*convert)(std::string_view);
    const char* number;
    const char* other;
  } cases[] = {
      {ConvertIsmn, "M-3452-4680-5", "9790345246805"},
      {ConvertIsmn, "979-0-3452-4680-5", "M345246805"},
      {ConvertIsmn, "M34524680", "9790345246805"},  // the check digit calculated
      {ConvertIsmn, "M345246806", ""},              // a wrong check digit
      {ConvertIsbn, "0-306-40615-2", "9780306406157"},
      {ConvertIsbn, "9780306406157", "0306406152"},
      {ConvertIsbn, "030640615", "9780306406157"},
      {ConvertIsbn, "978030640615", "0306406152"},
      {ConvertIsbn, "0-8044-2957-x", "9780804429573"},
      {ConvertIsbn, "9791034910013", ""},  // a 979 ISBN has no ISBN-10
      {ConvertIsbn, "0306406153", ""},
      {ConvertIssn, "0317-8471", "9770317847001"},
      {ConvertIssn, "0317-8471 05", "9770317847056"},
      {ConvertIssn, "0317847", "9770317847001"},
      {ConvertIssn, "9770317847001", "03178471"},
      {ConvertIssn, "977031784705", "03178471"},
      {ConvertIssn, "9780306406157", ""},
      {ConvertIssn, "0317-8472", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.convert(c.number), c.other) << c.number;
  }
}

}  // namespace
}  // namespace numerant::testing
