// SPDX-License-Identifier: MIT
// The personal numbers that share their rule with company numbers: the
// weighted sums BI, BSN and TFN, the Luhn number SIN and the modulo-97
// number SIS. The expected values were worked out from the published rules
// by hand or with a few lines of Python, not with this code.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(PersonalSharedRulesTest, WeightedSums) {
  ExpectCalculate({
      {"BI", "12345678", "9"},
      {"BI", "1234 5678", "9"},
      {"BSN", "111.222.33", "3"},
      {"BSN", "12345678", "2"},
      {"BSN", "111-222-33", "-1"},  // hyphens are not stripped here
      {"TFN", "12345678", "2"},
      {"TFN", "1234567", "7"},  // the first seven weights
      {"TFN", "123456", "-1"},
  });
  ExpectCheck({
      {"BI", "12345678-9", "valid"},
      {"BSN", "111.222.333", "valid"},
      {"BSN", "111-222-333", "invalid"},
      {"TFN", "123 456 782", "valid"},
      {"TFN", "12345677", "valid"},
  });
}

// Payloads that are zero but for their last digits leave every remainder of
// the weighted sum in turn, from 0 up.
TEST(PersonalSharedRulesTest, EveryRemainderOfTheWeightedSum) {
  // clang-format off
  ExpectCalculate({
      // 11 minus the remainder, 11 and 10 included.
      {"BI", "00000000", "11"}, {"BI", "00000006", "10"}, {"BI", "00000001", "9"},
      {"BI", "00000007", "8"},  {"BI", "00000002", "7"},  {"BI", "00000008", "6"},
      {"BI", "00000003", "5"},  {"BI", "00000009", "4"},  {"BI", "00000004", "3"},
      {"BI", "00000013", "2"},  {"BI", "00000005", "1"},
      // The remainder itself, 10 included.
      {"BSN", "00000000", "0"},  {"BSN", "00000006", "1"},  {"BSN", "00000001", "2"},
      {"BSN", "00000007", "3"},  {"BSN", "00000002", "4"},  {"BSN", "00000008", "5"},
      {"BSN", "00000003", "6"},  {"BSN", "00000009", "7"},  {"BSN", "00000004", "8"},
      {"BSN", "00000013", "9"},  {"BSN", "00000005", "10"},
      {"TFN", "00000000", "0"},  {"TFN", "00000005", "1"},  {"TFN", "00000012", "2"},
      {"TFN", "00000004", "3"},  {"TFN", "00000009", "4"},  {"TFN", "00000003", "5"},
      {"TFN", "00000008", "6"},  {"TFN", "00000002", "7"},  {"TFN", "00000007", "8"},
      {"TFN", "00000001", "9"},  {"TFN", "00000006", "10"},
  });
  // clang-format on
}

TEST(PersonalSharedRulesTest, SIN) {
  ExpectCalculate({
      {"SIN", "046 454 28", "6", "RegionCode=0"},
      {"SIN", "94645428", "7", "RegionCode=9"},
      // The region is read before the digits are tested.
      {"SIN", "1464542A", "-1", "RegionCode=1"},
      {"SIN", "A4645428", "-1", "RegionCode=0"},
      {"SIN", "046454286", "-1", "RegionCode=0"},
  });
  ExpectCheck({
      {"SIN", "046-454-286", "valid", "RegionCode=0"},
      {"SIN", "946454286", "invalid", "CheckDigit=7 RegionCode=9"},
  });
}

TEST(PersonalSharedRulesTest, SIS) {
  ExpectCalculate({
      {"SIS", "12345678", "03"},
      {"SIS", "1234.56-78", "03"},
      {"SIS", "00000097", "00"},
      // Plus signs and slashes count towards the length but not the value.
      {"SIS", "123/5678", "92"},
      {"SIS", "1234/5678", "-1"},
  });
  ExpectCheck({
      {"SIS", "1234567803", "valid"},
      {"SIS", "1234567830", "invalid"},
      {"SIS", "123456783", "invalid"},  // "3" is not "03"
  });
}

TEST(PersonalSharedRulesTest, Explain) {
  ExpectExplain({
      {"TFN", "  ", "no number typed"},
      {"TFN", "1234567890", "8 or 9 digits expected, 10 typed"},
      {"SIS", "1234567", "10 digits expected, 7 typed"},
      {"BSN", "11-222333", "the character \"-\" cannot stand at place 3"},
      {"SIN", "A46 454 286", "the letter A cannot stand at place 1"},
      {"SIS", "1234 567A 03", "the letter A cannot stand at place 9"},
      {"BI", "000000000", "no check digit exists for this number"},
      {"SIN", "946454286", "check digit should be 7, not 6"},
      {"SIS", "1234567830", "check digits should be 03, not 30"},
  });
}

}  // namespace
}  // namespace numerant::testing
