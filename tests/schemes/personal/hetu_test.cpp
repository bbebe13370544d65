// SPDX-License-Identifier: MIT
// HETU: every check character, the three century signs and what happens to
// other signs, and the case of the check character.
#include <string>
#include <vector>

#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(HetuTest, Calculate) {
  ExpectCalculate({
      {"HETU", "0101 00A1 23", "D",
       R"(BirthDate="010100" Century=21 Gender=1 IdentificationNumber="123")"},
      {"HETU", "311299+987", "2", "Century=19 Gender=1"},
      {"HETU", "150385-123", "0", "Century=20"},  // the hyphen is a sign
      // Any other sign still computes, without a century; no upper-casing.
      {"HETU", "010100B124", "E", "Century=0 Gender=2"},
      {"HETU", "010100a123", "D", "Century=0"},
      {"HETU", "0101X0A123", "",
       R"(BirthDate="0101X0" Century=21 Gender=0 IdentificationNumber=0)"},
      {"HETU", "010100A12X", "", "IdentificationNumber=0"},
  });
}

TEST(HetuTest, EveryCheckCharacter) {
  // Thirty-one individual numbers in a row meet every remainder modulo 31.
  std::vector<std::string> payloads;
  for (const std::string& individual : Consecutive(308, 31, 3))
    payloads.push_back("131052-" + individual);
  ExpectEach("HETU", payloads, "TUVWXY0123456789ABCDEFHJKLMNPRS");
}

TEST(HetuTest, Check) {
  ExpectCheck({
      {"HETU", "010100a123D", "valid"},
      {"HETU", "010100 A123D", "valid"},
      {"HETU", "010100A123d", "invalid"},  // the check character's case counts
      {"HETU", "131052-308T", "valid"},
  });
}

TEST(HetuTest, Explain) {
  ExpectExplain({
      {"HETU", " ", "no number typed"},
      {"HETU", "010100A12", "11 characters expected, 9 typed"},
      {"HETU", "0101X0A123D", "the letter X cannot stand at place 5"},
      {"HETU", "010100A12XD", "the letter X cannot stand at place 10"},
      {"HETU", "010100A123d", "the letter d cannot stand at place 11"},
      {"HETU", "010100A123E", "check character should be D, not E"},
  });
}

}  // namespace
}  // namespace numerant::testing
