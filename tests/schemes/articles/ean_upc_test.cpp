#include "schemes/articles/ean_upc.h"

#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant {
namespace {

using testing::ExpectCalculate;
using testing::ExpectCheck;

// Fields: CheckDigit ManufacturerCode NumberSystem ProductCode.
TEST(EanTest, NumberSystemLengthFollowsThePrefixTable) {
  ExpectCalculate<EAN>({
      {"978-0-306-40615", "7", R"(7 "0306" "978" "40615")"},
      {"400638133393", "1", R"(1 "6381" "400" "33393")"},
      {"501234567890", "0", R"(0 "12345" "50" "67890")"},
      {"371234567890", "1", R"(1 "12345" "37" "67890")"},
      {"381234567890", "8", R"(8 "2345" "381" "67890")"},
      {"9638507", "4", R"(4 -1 "963" "8507")"},
      {"5012345", "2", R"(2 -1 "50" "12345")"},
      // Cut by position before the digits are tested.
      {"40063813339A", "-1", R"(-1 "6381" "400" "3339A")"},
      {"A01234567890", "-1", R"(-1 "12345" "A0" "67890")"},
      {"40063813339", "-1", "-1 0 0 0"},
      {"4006381333931", "-1", "-1 0 0 0"},
  });
  ExpectCheck<EAN>({
      {"4006381333931", true, R"(1 "6381" "400" "33393")"},
      {"4006381333932", false, R"(1 "6381" "400" "33393")"},
      {"9638-5074", true, R"(4 -1 "963" "8507")"},
      {"400638133393", false, "-1 0 0 0"},
  });
}

TEST(UpcTest, UpcENumbersAreComputedOnTheirExpansion) {
  ExpectCalculate<UPC>({
      {"03600029145", "2", R"(2 "36000" 0 "29145")"},
      {"12345678901", "2", R"(2 "23456" 1 "78901")"},
      {"0425261", "4", R"(4 "42100" 0 "00526")"},
      {"A425261", "-1", R"(-1 "42100" 0 "00526")"},
      {"042526A", "-1", R"(-1 "" 0 "")"},
      {"0425-2 61", "4", R"(4 "42100" 0 "00526")"},
      {"1234567890", "-1", "-1 0 0 0"},
  });
  ExpectCheck<UPC>({
      {"04252614", true, R"(4 "42100" 0 "00526")"},
      {"036000291452", true, R"(2 "36000" 0 "29145")"},
      {"036000291453", false, R"(2 "36000" 0 "29145")"},
      {"03600029145", false, "-1 0 0 0"},
  });
}

TEST(UpcTest, ConvertsBetweenUpcEAndUpcA) {
  // One pair for each place the suppressed zeros can stand.
  const struct {
    const char* upc_e;
    const char* upc_a;
  } pairs[] = {
      {"04252614", "042100005264"}, {"0425261", "04210000526"}, {"0123453", "01230000045"},
      {"0123454", "01234000005"},   {"0123455", "01234500005"}, {"01234559", "012345000059"},
  };
  UPC upc;
  for (const auto& pair : pairs) {
    EXPECT_EQ(upc.Convert(pair.upc_e), pair.upc_a);
    EXPECT_EQ(upc.Convert(pair.upc_a), pair.upc_e);
  }
  for (const char* none : {"03600029145", "042526A", "012345678", "0123456789", "", "042526A4"}) {
    EXPECT_EQ(upc.Convert(none), "") << none;
  }
  ASSERT_EQ(upc.Calculate("03600029145"), 2);
  EXPECT_EQ(upc.Convert("0425 2614"), "042100005264");
  EXPECT_EQ(upc.CheckDigit(), -1);
  EXPECT_EQ(upc.ProductCode(), FieldValue(std::int16_t{0}));
}

}  // namespace
}  // namespace numerant
