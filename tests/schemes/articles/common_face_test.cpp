// What every class built on a building block owes its callers, whatever its
// rule: unset results for empty input, no memory of an earlier call, and no
// match for a character that is no digit in the check-digit place.
#include <gtest/gtest.h>
#include <string>

#include "schemes/articles/acl_bol_opc.h"
#include "schemes/articles/ean_upc.h"
#include "schemes/articles/isbn_issn.h"
#include "schemes/general/creditcard.h"
#include "schemes/general/modulo10.h"
#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::Fields;

struct Sample {
  SchemeFactory make;
  std::string unset;  // the text form of the unset check digit
  std::string stem;   // a number without its check digit
  std::string valid;  // a complete valid number
};

const Sample kSamples[] = {
    {MakeScheme<Modulo10>, "-1", "400638133393", "4006381333931"},
    {MakeScheme<Creditcard>, "-1", "7992739871", "79927398713"},
    {MakeScheme<EAN>, "-1", "978030640615", "9780306406157"},
    {MakeScheme<UPC>, "-1", "0425261", "042100005264"},
    {MakeScheme<ISBN>, "", "080442957", "0306406152"},
    {MakeScheme<ISSN>, "", "977031784700", "03178471"},
    {MakeScheme<ACL>, "-1", "340156000000", "3401560000009"},
    {MakeScheme<BOL>, "-1", "0123456789012345", "01234567890123452"},
    {MakeScheme<OPC>, "-1", "123456789", "1234567897"},
};

TEST(CommonFaceTest, NothingToComputeGivesTheUnsetValueAndStartFields) {
  for (const Sample& sample : kSamples) {
    const auto fresh = sample.make();
    for (const char* nothing : {"", " ", " - -"}) {
      const auto scheme = sample.make();
      EXPECT_EQ(scheme->CalculateText(nothing), sample.unset) << fresh->Name();
      EXPECT_EQ(Fields(*scheme), Fields(*fresh)) << fresh->Name();
    }
  }
}

TEST(CommonFaceTest, EachCallStartsFromTheStartValues) {
  for (const Sample& sample : kSamples) {
    const auto fresh = sample.make();
    const auto scheme = sample.make();
    scheme->CalculateText(sample.stem);
    ASSERT_NE(Fields(*scheme), Fields(*fresh)) << fresh->Name();
    EXPECT_FALSE(scheme->Check("1")) << fresh->Name();
    EXPECT_EQ(Fields(*scheme), Fields(*fresh)) << fresh->Name();
    EXPECT_TRUE(scheme->Check(sample.valid)) << fresh->Name();
  }
}

TEST(CommonFaceTest, OnlyADigitMatchesInTheCheckDigitPlace) {
  for (const Sample& sample : kSamples) {
    const auto scheme = sample.make();
    for (char other : {'A', 'x', '+', '.', ':', '/', '\xB2'}) {
      std::string number = sample.valid;
      number.back() = other;
      EXPECT_FALSE(scheme->Check(number)) << number;
    }
  }
}

}  // namespace
}  // namespace numerant
