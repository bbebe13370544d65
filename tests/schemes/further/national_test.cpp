// SPDX-License-Identifier: MIT
// What the worked examples of the national tax and identity numbers cannot
// show: where `Complete` puts the check characters (and that it gives
// nothing where the rule has none), and how India's names are found.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(NationalNumbersTest, CompletePutsTheCheckCharactersInTheirPlace) {
  const struct {
    const char* scheme;
    const char* payload;
    const char* complete;
  } cases[] = {
      {"in.gstin", "27AAPFU0939F1Z", "27AAPFU0939F1ZV"},
      {"cn.ric", "44011320141005001", "44011320141005001X"},
      {"tr.tckimlik", "172917160", "17291716060"},
      {"se.personnummer", "880320+001", "880320+0016"},
      {"no.fodselsnummer", "151086950", "15108695088"},
      {"in.aadhaar", "20000990000", ""},  // the palindrome
      {"no.fodselsnummer", "151050800", ""},
      {"us.ein", "911144442", ""},
      {"mx.rfc", "GODE561231GR8", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Create(c.scheme)->Complete(c.payload), c.complete) << c.scheme << " " << c.payload;
  }
}

TEST(NationalNumbersTest, IndiaIsFoundWithAndWithoutItsUnderscore) {
  for (const char* name : {"in.aadhaar", "IN_.AADHAAR", "In.Aadhaar"}) {
    ASSERT_NE(FindScheme(name), nullptr) << name;
    EXPECT_EQ(FindScheme(name)->name, "in_.aadhaar");
  }
  EXPECT_EQ(FindScheme("PNR")->name, "PNR");  // the 52's Swedish number keeps its name
  EXPECT_EQ(FindScheme("in."), nullptr);
}

}  // namespace
}  // namespace numerant::testing
