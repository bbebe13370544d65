#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

constexpr const char* kEmpty =
    "CheckDigit=\"\" IdentifierScheme=\"\" IssueCode=\"\" ReleaseNumber=\"\"";
constexpr const char* kRelease =
    "CheckDigit=\"M\" IdentifierScheme=\"A1\" IssueCode=\"2425G\" ReleaseNumber=\"ABC1234002\"";

TEST(GRidTest, Calculate) {
  const Case cases[] = {
      {"GRid", "A1-2425G-ABC1234002", "M", kRelease},
      {"GRid", "a1 2425g abc1234002", "M", kRelease},
      {"GRid", "A1000000000000000", "X"},
      {"GRid", " - ", "", kEmpty},
      {"GRid", "A1-2425G-ABC123400_", "",
       "CheckDigit=\"\" IdentifierScheme=\"A1\" IssueCode=\"2425G\" "
       "ReleaseNumber=\"ABC123400_\""},
      {"GRid", "A1/2425G/ABC1234002", ""},
      {"GRid", "A1.2425GABC1234002", ""},
      {"GRid", "A1-2425G-ABC1234002-M", "", kEmpty},
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(GRidTest, Check) {
  const Case cases[] = {
      {"GRid", "A12425GABC1234002M", "valid"},
      {"GRid", "a1-2425g-abc1234002-m", "valid"},
      {"GRid", "A1000000000000000X", "valid"},
      {"GRid", "A12425GABC1234002N", "invalid", kRelease},
      {"GRid", "A12425GABC1234002", "invalid", kEmpty},
      {"GRid", "A12425GABC123400_M", "invalid"},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(GRidTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("GRid", "A12425GABC1234002", "A12425GABC1234002", kEmpty);
}

}  // namespace
}  // namespace numerant::testing
