#include <gtest/gtest.h>

#include "tests/schemes/scheme_cases.h"

namespace numerant::testing {
namespace {

TEST(WeightedNumbersTest, Calculate) {
  const Case cases[] = {
      {"PZN", "490880", "2"},
      {"PZN", "49 08-80", "2"},
      {"PZN", "123460", "10", "CheckDigit=10"},  // no digit can match
      {"PZN", " - ", "-1", "CheckDigit=-1"},
      {"PZN", "12346", "-1"},
      {"PZN", "1234600", "-1"},
      {"PZN", "490.880", "-1"},
      {"CAS", "7732-18", "5"},
      {"CAS", "71-43", "2"},
      {"CAS", "64-17", "5"},
      {"CAS", "100", "3"},  // the rightmost digit weighs 1
      {"CAS", "10000000", "8"},
      {"CAS", "- -", "-1", "CheckDigit=-1"},
      {"CAS", "12", "-1"},
      {"CAS", "123456789", "-1"},
      {"CAS", "7732.18", "-1"},
      {"CAS", "7732-1a", "-1"},
  };
  for (const auto& c : cases)
    ExpectCalculate(c);
}

TEST(WeightedNumbersTest, Check) {
  const Case cases[] = {
      {"PZN", "490880-2", "valid"},
      {"PZN", "4908803", "invalid", "CheckDigit=2"},
      {"PZN", "490880a", "invalid"},
      // A check value of 10 is matched by no character, not even ":", the
      // one after "9".
      {"PZN", "1234600", "invalid", "CheckDigit=10"},
      {"PZN", "123460:", "invalid"},
      {"CAS", "7732-18-5", "valid"},
      {"CAS", "100000008", "valid"},
      {"CAS", "1000000008", "invalid"},
      {"CAS", "123", "invalid", "CheckDigit=-1"},
      {"CAS", "7732.18-5", "invalid"},
  };
  for (const auto& c : cases)
    ExpectCheck(c);
}

TEST(WeightedNumbersTest, NothingCarriesOverBetweenCalls) {
  ExpectNothingCarriedOver("PZN", "490880", "49088a2", "CheckDigit=-1");
  ExpectNothingCarriedOver("CAS", "773218", "12", "CheckDigit=-1");
}

}  // namespace
}  // namespace numerant::testing
