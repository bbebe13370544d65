#include "schemes/articles/ean_upc.h"

#include <gtest/gtest.h>

#include "tests/schemes/typed_cases.h"

namespace numerant {
namespace {

// Fields: CheckDigit ManufacturerCode NumberSystem ProductCode, cut by
// position before the digits are tested.
TEST(EanTest, NumberSystemLengthFollowsThePrefixTable) {
  typed_cases::ExpectCalculate<EAN>({
      {"978-0-306-40615", "7", R"(7 "0306" "978" "40615")"},
      {"400638133393", "1", R"(1 "6381" "400" "33393")"},
      {"501234567890", "0", R"(0 "12345" "50" "67890")"},
      {"371234567890", "1", R"(1 "12345" "37" "67890")"},
      {"9638507", "4", R"(4 -1 "963" "8507")"},
      {"5012345", "2", R"(2 -1 "50" "12345")"},
      {"40063813339A", "-1", R"(-1 "6381" "400" "3339A")"},
      {"A01234567890", "-1", R"(-1 "12345" "A0" "67890")"},
      {"4006381333931", "-1", "-1 0 0 0"},
  });
  typed_cases::ExpectCheck<EAN>({
      {"4006381333932", "invalid", R"(1 "6381" "400" "33393")"},
      {"9638-5074", "valid", R"(4 -1 "963" "8507")"},
      {"400638133393", "invalid", "-1 0 0 0"},
  });
}

TEST(UpcTest, UpcENumbersAreComputedOnTheirExpansion) {
  typed_cases::ExpectCalculate<UPC>({
      {"03600029145", "2", R"(2 "36000" 0 "29145")"},
      {"12345678901", "2", R"(2 "23456" 1 "78901")"},
      {"0425-2 61", "4", R"(4 "42100" 0 "00526")"},
      {"A425261", "-1", R"(-1 "42100" 0 "00526")"},
      {"042526A", "-1", R"(-1 "" 0 "")"},
      {"1234567890", "-1", "-1 0 0 0"},
  });
  typed_cases::ExpectCheck<UPC>({
      {"04252614", "valid", R"(4 "42100" 0 "00526")"},
      {"036000291453", "invalid", R"(2 "36000" 0 "29145")"},
  });
}

TEST(UpcTest, ConvertsBetweenUpcEAndUpcA) {
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
  for (const char* none : {"03600029145", "042526A4", "012345678", "0123456789", ""}) {
    EXPECT_EQ(upc.Convert(none), "") << none;
  }
}

}  // namespace
}  // namespace numerant
