// What every class built on a building block owes its callers: the unset
// value and start fields when there is nothing to compute, no memory of an
// earlier call, and no match for anything but a digit in the check place.
#include <gtest/gtest.h>
#include <string>

#include "schemes/articles/acl_bol_opc.h"
#include "schemes/articles/ean_upc.h"
#include "schemes/articles/isbn_issn.h"
#include "schemes/general/creditcard.h"
#include "schemes/general/modulo10.h"
#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

using typed_cases::Fields;

TEST(CommonFaceTest, UnsetWithoutInputNoMemoryAndOnlyDigitsMatch) {
  const struct {
    SchemeFactory make;
    std::string unset, stem, valid;
  } samples[] = {
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
  for (const auto& sample : samples) {
    const auto scheme = sample.make();
    const std::string start = Fields(*sample.make());
    for (const char* nothing : {"", " - -"}) {
      EXPECT_EQ(scheme->CalculateText(nothing), sample.unset) << scheme->Name();
      EXPECT_EQ(Fields(*scheme), start) << scheme->Name();
    }
    scheme->CalculateText(sample.stem);
    EXPECT_NE(Fields(*scheme), start) << scheme->Name();
    EXPECT_FALSE(scheme->Check("1")) << scheme->Name();
    EXPECT_EQ(Fields(*scheme), start) << scheme->Name();
    EXPECT_TRUE(scheme->Check(sample.valid)) << scheme->Name();
    for (char other : {'A', 'x', '+', ':', '\xB2'}) {
      std::string number = sample.valid;
      number.back() = other;
      EXPECT_FALSE(scheme->Check(number)) << number;
    }
  }
}

}  // namespace
}  // namespace numerant
