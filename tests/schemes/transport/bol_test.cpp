// SPDX-License-Identifier: MIT
// BOL, and what each kind of finding of a transport number reads like.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(BolTest, CalculateAndCheck) {
  ExpectCalculate({
      {"BOL", "0123456789012345", "2"},
      {"BOL", "1234567890123456", "0"},
      {"BOL", "0000000000000001", "7"},  // the rightmost digit weighs 3
      {"BOL", "0000000000000010", "9"},
      {"BOL", "012345678901234+", "-1"},
      {"BOL", "01234567890123452", "-1"},
  });
  ExpectCheck({
      {"BOL", "0123-4567-8901-2345-2", "valid"},
      {"BOL", "0123456789012345", "invalid"},
  });
}

TEST(TransportTest, Explain) {
  ExpectExplain({
      {"BOL", "", "no number typed"},
      {"BOL", "0123456789012345", "17 digits expected, 16 typed"},
      {"BOL", "0123456789012345.", "the character \".\" cannot stand at place 17"},
      {"BOL", "01234567890123453", "check digit should be 2, not 3"},
      {"BIC", "-", "no number typed"},
      {"BIC", "CSQU30543", "11 characters expected, 9 typed"},
      {"BIC", "ABCX1234560", "the letter X cannot stand at place 4"},
      {"BIC", "C5QU3054383", "the digit 5 cannot stand at place 2"},
      {"BIC", "CSQU 30543A 3", "the letter A cannot stand at place 11"},
      {"BIC", "CSQU3054384", "check digit should be 3, not 4"},
      {"UIC", "21812471217", "12 digits expected, 11 typed"},
      {"UIC", "21-81-2471-21a-3", "the letter a cannot stand at place 14"},
      {"UIC", "218124712174", "check digit should be 3, not 4"},
      {"UIC", "21812471217X", "the letter X cannot stand at place 12"},
  });
}

}  // namespace
}  // namespace numerant::testing
