// SPDX-License-Identifier: MIT
// Company and tax numbers: the weighted sums ACN, NIP and REGON, the Luhn
// numbers SIREN and DUNS, and the modulo-97 number BTW. The expected values
// were worked out from the published rules by hand or with a few lines of
// Python, not with this code.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

// The worked examples have a different digit under every two weights that
// differ, so that a swap of two weights changes their check digit.
TEST(CompaniesTest, WeightedSums) {
  ExpectCalculate({
      {"ACN", "004 085 61", "6"},
      {"ACN", "12345678", "0"},
      {"ACN", "004.085.61", "-1"},  // a full stop is not stripped
      {"NIP", "123-456-32-1", "8"},
      {"NIP", "123456789", "0"},
      {"REGON", "12345678", "5"},
      {"REGON", "1234567851234", "7"},
      {"REGON", "9876543210987", "3"},
      {"REGON", "0000900000000", "0"},  // the fifth digit of the long form weighs 0
      {"REGON", "1234567890", "-1"},
      {"REGON", "123456789012", "-1"},
  });
  ExpectCheck({
      {"ACN", "004-085-616", "valid"},
      {"NIP", "123-456-32-18", "valid"},
      {"REGON", "123456785", "valid"},
      {"REGON", "12345678512347", "valid"},
      {"REGON", "123456786", "invalid"},
  });
}

// Payloads that are zero but for their last digits leave every remainder of
// the weighted sum in turn, from 0 up.
TEST(CompaniesTest, EveryRemainderOfTheWeightedSum) {
  ExpectCalculate({
      {"ACN", "00000000", "0"},
      {"ACN", "00000001", "9"},
      {"ACN", "00000002", "8"},
      {"ACN", "00000003", "7"},
      {"ACN", "00000004", "6"},
      {"ACN", "00000005", "5"},
      {"ACN", "00000006", "4"},
      {"ACN", "00000007", "3"},
      {"ACN", "00000008", "2"},
      {"ACN", "00000009", "1"},
      // A remainder of 10 counts as 0.
      {"NIP", "000000000", "0"},
      {"NIP", "000000008", "1"},
      {"NIP", "000000005", "2"},
      {"NIP", "000000002", "3"},
      {"NIP", "000000016", "4"},
      {"NIP", "000000007", "5"},
      {"NIP", "000000004", "6"},
      {"NIP", "000000001", "7"},
      {"NIP", "000000009", "8"},
      {"NIP", "000000006", "9"},
      {"NIP", "000000003", "0"},
      {"REGON", "00000000", "0"},
      {"REGON", "00000008", "1"},
      {"REGON", "00000005", "2"},
      {"REGON", "00000002", "3"},
      {"REGON", "00000016", "4"},
      {"REGON", "00000007", "5"},
      {"REGON", "00000004", "6"},
      {"REGON", "00000001", "7"},
      {"REGON", "00000009", "8"},
      {"REGON", "00000006", "9"},
      {"REGON", "00000003", "10"},
      {"REGON", "0000000000004", "10"},
  });
}

TEST(CompaniesTest, LuhnNumbers) {
  ExpectCalculate({
      {"SIREN", "732 829 32", "0"},
      {"SIREN", "7328.932", "-1"},  // a full stop is not stripped
      {"SIREN", "732829320", "-1"},
      {"DUNS", "15-048-378", "2"},
  });
  ExpectCheck({
      {"SIREN", "732 829 320", "valid"},
      {"SIREN", "732 829 32A", "invalid"},
      {"DUNS", "15-048-3782", "valid"},
      {"DUNS", "15-048-3783", "invalid"},
  });
}

TEST(CompaniesTest, BTW) {
  ExpectCalculate({
      {"BTW", "1234567", "49"},
      {"BTW", "123.45-67", "49"},
      {"BTW", "9700000", "97"},  // never "00"
      // Plus signs and slashes count towards the length but not the value.
      {"BTW", "12+4567", "78"},
      {"BTW", "123+4567", "-1"},
      {"BTW", "123456A", "-1"},
  });
  ExpectCheck({
      {"BTW", "123.45.67-49", "valid"},
      {"BTW", "1234567-94", "invalid"},
  });
}

TEST(CompaniesTest, Explain) {
  ExpectExplain({
      {"ACN", "", "no number typed"},
      {"REGON", "1234567890", "9 or 14 digits expected, 10 typed"},
      {"BTW", "123456", "9 digits expected, 6 typed"},
      {"ACN", "0040.8561", "the character \".\" cannot stand at place 5"},
      {"SIREN", "732 8x9 320", "the letter x cannot stand at place 6"},
      {"BTW", "12345A7-49", "the letter A cannot stand at place 6"},
      {"REGON", "000000030", "no check digit exists for this number"},
      {"ACN", "004 085 617", "check digit should be 6, not 7"},
      {"DUNS", "15-048-3783", "check digit should be 2, not 3"},
      {"BTW", "1234567-94", "check digits should be 49, not 94"},
  });
}

}  // namespace
}  // namespace numerant::testing
