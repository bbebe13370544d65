// SPDX-License-Identifier: MIT
// EAN and UPC: the two-digit number systems, the fields of every form, the
// UPC-E expansion both ways, and the findings.
#include "schemes/products/ean_upc.h"

#include <string_view>

#include "core/text.h"
#include "tests/schemes/cases.h"
#include "tests/schemes/variations.h"

namespace numerant::testing {
namespace {

TEST(EanUpcTest, Calculate) {
  // The rightmost digit weighs 3, whatever the length.
  ExpectEachPlace("EAN", "000000000000", "979797979797");
  ExpectEachPlace("EAN", "0000000", "7979797");
  ExpectEachPlace("UPC", "00000000000", "79797979797");
  ExpectCalculate({
      {"EAN", "978-0-306-40615", "7",
       R"(NumberSystem="978" ManufacturerCode="0306" ProductCode="40615")"},
      {"EAN", "501234567890", "0",
       R"(NumberSystem="50" ManufacturerCode="12345" ProductCode="67890")"},
      // EAN-8 has no manufacturer code.
      {"EAN", "9638507", "4", R"(NumberSystem="963" ManufacturerCode=-1 ProductCode="8507")"},
      {"EAN", "5012345", "2", R"(NumberSystem="50" ProductCode="12345")"},
      {"EAN", "40063813339A", "-1", R"(NumberSystem="400" ProductCode="3339A")"},
      {"EAN", "A01234567890", "-1", R"(NumberSystem="A0" ManufacturerCode="12345")"},
      {"UPC", "03600029145", "2", R"(NumberSystem=0 ManufacturerCode="36000" ProductCode="29145")"},
      {"UPC", "13600029145", "9", "NumberSystem=1"},
      // A UPC-E payload is weighed and split as its expansion.
      {"UPC", "0425-2 61", "4", R"(ManufacturerCode="42100" ProductCode="00526")"},
      {"UPC", "A425261", "-1", R"(NumberSystem=0 ManufacturerCode="42100" ProductCode="00526")"},
      {"UPC", "042526A", "-1", R"(ManufacturerCode="" ProductCode="")"},
      {"UPC", "04252614", "-1", "ManufacturerCode=0"},
  });
  ExpectCheck({
      {"EAN", "4006381333932", "invalid", "CheckDigit=1"},
      {"EAN", "9638-5074", "valid", R"(NumberSystem="963" ManufacturerCode=-1)"},
      {"UPC", "04252614", "valid", R"(CheckDigit=4 ManufacturerCode="42100")"},
      {"UPC", "036000291453", "invalid", "CheckDigit=2"},
  });
}

TEST(EanUpcTest, TwoDigitNumberSystems) {
  // Row n, column m: the number-system length of an EAN-13 starting "nm".
  constexpr std::string_view kLengths =
      "2222222222"   // 00-09
      "2222222222"   // 10-19
      "2222222222"   // 20-29
      "2222222233"   // 30-39
      "3333323332"   // 40-49
      "2333233233"   // 50-59
      "3333233333"   // 60-69
      "2332332333"   // 70-79
      "2222233233"   // 80-89
      "2232233332";  // 90-99
  for (int prefix = 0; prefix < 100; ++prefix) {
    EAN ean;
    ean.Calculate(TwoDigits(prefix) + "0000000000");
    const auto length = static_cast<std::size_t>(kLengths[static_cast<std::size_t>(prefix)] - '0');
    EXPECT_EQ(ean.NumberSystem().Text().size(), length) << prefix;
  }
}

TEST(EanUpcTest, UpcConvertsBetweenUpcEAndUpcA) {
  // One pair for each place the suppressed zeros can stand.
  const char* const pairs[][2] = {
      {"04252614", "042100005264"}, {"0123453", "01230000045"},   {"0123454", "01234000005"},
      {"0123455", "01234500005"},   {"01234559", "012345000059"},
  };
  UPC upc;
  for (const auto& pair : pairs) {
    EXPECT_EQ(upc.Convert(pair[0]), pair[1]);
    EXPECT_EQ(upc.Convert(pair[1]), pair[0]);
  }
  for (const char* none : {"03600029145", "042526A4", "012345678", ""}) {
    EXPECT_EQ(upc.Convert(none), "") << none;
  }
}

TEST(EanUpcTest, Explain) {
  ExpectExplain({
      {"EAN", "", "no number typed"},
      {"EAN", "400638133393", "8 or 13 digits expected, 12 typed"},
      {"EAN", "40063813339A1", "the letter A cannot stand at place 12"},
      // A UPC-E number's places count in the number as typed, not in its
      // expansion.
      {"UPC", "A4252614", "the letter A cannot stand at place 1"},
      {"UPC", "0425-26A4", "the letter A cannot stand at place 8"},
      {"UPC", "04252615", "check digit should be 4, not 5"},
  });
}

}  // namespace
}  // namespace numerant::testing
