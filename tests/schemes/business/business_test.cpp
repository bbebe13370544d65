// PPS: seven digits and a check letter picked by their weighted sum modulo 23.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(BusinessTest, Calculate) {
  ExpectCalculate({
      {"PPS", "1234567", "T"},
      {"PPS", "0000000", "W"},
      {"PPS", "123456A", ""},
  });
}

TEST(BusinessTest, Check) {
  ExpectCheck({
      {"PPS", "1234567t", "invalid"},  // the letter's case counts
      {"PPS", "1234567W", "invalid"},
  });
}

}  // namespace
}  // namespace numerant::testing
