#include "schemes/personal/pesel_cnp_jmbg.h"

#include <string>

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(PeselCnpJmbgTest, Calculate) {
  // Fields of PESEL: BirthDate CheckDigit Gender IdentificationNumber; of CNP:
  // BirthDate Century CheckDigit CountyCode Gender SerialNumber; of JMBG:
  // BirthDate CheckDigit Gender PoliticalRegionCode.
  ExpectCases({
      {Calculated<PESEL>, "85-0315 1234", "'850315' 4 2 '123'"},        // sum 106
      {Calculated<CNP>, "185031512345", "'850315' 20 5 '12' 1 '345'"},  // sum 236
      {Calculated<CNP>, "185031512348", "'850315' 20 1 '12' 1 '348'"},  // remainder 10
      {Calculated<CNP>, "585031512345", "'850315' 21 2 '12' 1 '345'"},
      {Calculated<CNP>, "785031512345", "'850315' 0 6 '12' 1 '345'"},
      {Calculated<CNP>, "985031512345", "'850315' 0 1 '12' 0 '345'"},
      {Calculated<JMBG>, "150398571012", "'1503985' 6 1 '71'"},  // sum 181
      {Calculated<JMBG>, "150398571024", "'1503985' 0 1 '71'"},  // remainder 1
      {Calculated<JMBG>, "150398571015", "'1503985' 0 1 '71'"},  // remainder 0
      {Calculated<JMBG>, "150398571499", "'1503985' 7 1 '71'"},
      {Calculated<JMBG>, "150398571500", "'1503985' 4 2 '71'"},
      // A failing conversion keeps the fields read before it; a non-digit
      // elsewhere leaves them all read.
      {Calculated<PESEL>, "850315123A", "'850315' -1 0 0"},
      {Calculated<PESEL>, "85031512X4", "'850315' -1 2 '12X'"},
      {Calculated<CNP>, "X85031512345", "'850315' 0 -1 0 0 0"},
      {Calculated<JMBG>, "1503985710A2", "'1503985' -1 0 0"},
      {Calculated<JMBG>, "15039857A012", "'1503985' -1 1 '7A'"},
      {Calculated<PESEL>, "85031512344", "0 -1 0 0"},
  });
}

TEST(PeselCnpJmbgTest, Check) {
  ExpectValidity<PESEL>({"85031512344", "850315 123-44"}, {"85031512345", "8503151234A"});
  ExpectValidity<CNP>({"1850315123455", "1850315123481"}, {"1850315123454"});
  ExpectValidity<JMBG>({"1503985710126", "1503985710240", "1503985710150"}, {"1503985710151"});
}

}  // namespace
}  // namespace numerant::personal_test
