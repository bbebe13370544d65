// SPDX-License-Identifier: MIT
// PESEL, CNP and JMBG: every weight and every remainder through one varied
// digit, the first CNP digit's century and sex, and the fields kept when a
// conversion fails.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(PeselCnpJmbgTest, Calculate) {
  ExpectCalculate({
      {"PESEL", "85-0315 1234", "4", R"(BirthDate="850315" Gender=2 IdentificationNumber="123")"},
      {"PESEL", "4405140135", "9"},
      {"PESEL", "850315123A", "-1", R"(BirthDate="850315" Gender=0 IdentificationNumber=0)"},
      {"PESEL", "85031512X4", "-1", R"(BirthDate="850315" Gender=2 IdentificationNumber="12X")"},
      {"CNP", "185031512345", "5",
       R"(BirthDate="850315" Century=20 CountyCode="12" Gender=1 SerialNumber="345")"},
      {"CNP", "185031512348", "1"},  // remainder 10
      {"CNP", "602041040008", "1"},  // remainder 1
      {"CNP", "296120300123", "6"},
      {"CNP", "X85031512345", "-1",
       R"(BirthDate="850315" Century=0 CountyCode=0 Gender=0 SerialNumber=0)"},
      {"JMBG", "150398571012", "6", R"(BirthDate="1503985" Gender=1 PoliticalRegionCode="71")"},
      {"JMBG", "150398571024", "0"},  // remainder 1
      {"JMBG", "150398571015", "0"},  // remainder 0
      {"JMBG", "010199071009", "1"},  // remainder 10
      // Serials from 500 on are women's.
      {"JMBG", "150398571499", "7", "Gender=1"},
      {"JMBG", "150398571500", "4", "Gender=2"},
      {"JMBG", "1503985710A2", "-1", R"(BirthDate="1503985" Gender=0 PoliticalRegionCode=0)"},
  });
}

TEST(PeselCnpJmbgTest, EveryRemainderAndFirstDigit) {
  const auto pesel = Vary("850315123_", 9);
  ExpectEach("PESEL", pesel, "6 3 0 7 4 1 8 5 2 9");
  ExpectEach("PESEL", pesel, "2 1 2 1 2 1 2 1 2 1", "Gender");
  const auto cnp = Vary("_85031512345", 0);
  ExpectEach("CNP", cnp, "3 5 7 9 0 2 4 6 8 1");
  ExpectEach("CNP", cnp, "0 20 20 19 19 21 21 0 0 0", "Century");
  ExpectEach("CNP", cnp, "0 1 2 1 2 1 2 1 2 0", "Gender");
  ExpectEach("JMBG", Vary("15039857101_", 11), "0 8 6 4 2 0 9 7 5 3");
}

TEST(PeselCnpJmbgTest, Check) {
  ExpectCheck({
      {"PESEL", "850315 123-44", "valid"},
      {"PESEL", "85031512345", "invalid", "CheckDigit=4"},
      {"CNP", "1850315123455", "valid"},
      {"JMBG", "1503985710240", "valid"},
      {"JMBG", "150398571024O", "invalid"},
  });
}

TEST(PeselCnpJmbgTest, Explain) {
  ExpectExplain({
      {"PESEL", "", "no number typed"},
      {"PESEL", "850315123445", "11 digits expected, 12 typed"},
      {"PESEL", "850315123A4", "the letter A cannot stand at place 10"},
      {"CNP", "1850315X23455", "the letter X cannot stand at place 8"},
      {"JMBG", "15039857 10A26", "the letter A cannot stand at place 12"},
      {"CNP", "1850315123456", "check digit should be 5, not 6"},
  });
}

}  // namespace
}  // namespace numerant::testing
