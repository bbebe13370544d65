// SPDX-License-Identifier: MIT
// PZN and CAS: the weight of every place, every remainder of PZN (10
// included), the lengths of CAS, and the findings.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(PznCasTest, Calculate) {
  ExpectCalculate({
      {"PZN", "490880", "2"},
      // Places 1 to 6 weigh 2 to 7.
      {"PZN", "100000", "2"},
      {"PZN", "010000", "3"},
      {"PZN", "001000", "4"},
      {"PZN", "000100", "5"},
      {"PZN", "000010", "6"},
      {"PZN", "000001", "7"},
      // 7 times 0 to 9, with the weights above: every remainder 0 to 10.
      {"PZN", "000000", "0"},
      {"PZN", "000002", "3"},
      {"PZN", "000003", "10"},
      {"PZN", "000006", "9"},
      {"PZN", "000008", "1"},
      {"PZN", "000009", "8"},
      {"PZN", "123460", "10"},
      {"PZN", "49088A", "-1"},
      {"PZN", "4908802", "-1"},
      {"CAS", "7732-18", "5"},
      {"CAS", "71-43", "2"},
      {"CAS", "64-17", "5"},
      {"CAS", "100", "3"},  // the rightmost digit weighs 1
      // Places 1 to 8 of an eight-digit payload weigh 8 down to 1.
      {"CAS", "10000000", "8"},
      {"CAS", "01000000", "7"},
      {"CAS", "00100000", "6"},
      {"CAS", "00010000", "5"},
      {"CAS", "00001000", "4"},
      {"CAS", "00000100", "3"},
      {"CAS", "00000010", "2"},
      {"CAS", "00000001", "1"},
      {"CAS", "12", "-1"},
      {"CAS", "123456789", "-1"},
      {"CAS", "7732-1A", "-1"},
  });
  ExpectCheck({
      {"PZN", "490880-2", "valid"},
      {"PZN", "4908803", "invalid"},
      {"CAS", "7732-18-5", "valid"},
      {"CAS", "100000008", "valid"},
      {"CAS", "1003", "valid"},
      {"CAS", "123", "invalid"},
  });
}

TEST(PznCasTest, Explain) {
  ExpectExplain({
      {"PZN", "", "no number typed"},
      {"PZN", "49088", "7 digits expected, 5 typed"},
      {"PZN", "49O8802", "the letter O cannot stand at place 3"},
      {"PZN", "1234600", "no check digit exists for this number"},
      {"PZN", "4908803", "check digit should be 2, not 3"},
      {"CAS", "12", "4 to 9 digits expected, 2 typed"},
      {"CAS", "7732-1A-5", "the letter A cannot stand at place 7"},
      {"CAS", "7732-18-4", "check digit should be 5, not 4"},
  });
}

}  // namespace
}  // namespace numerant::testing
