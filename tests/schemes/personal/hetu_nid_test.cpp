#include "schemes/personal/hetu_nid.h"

#include <string>

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(HetuNidTest, Calculate) {
  // Fields: BirthDate Century CheckDigit Gender, then IdentificationNumber
  // (HETU) or SequenceNumber (NID).
  ExpectCases({
      {Calculated<HETU>, "0101 00A1 23", "'010100' 21 'D' 1 '123'"},  // n mod 31 = 13
      {Calculated<HETU>, "311299+987", "'311299' 19 '2' 1 '987'"},
      {Calculated<HETU>, "150385-123", "'150385' 20 '0' 1 '123'"},  // the hyphen stays
      {Calculated<HETU>, "010100B124", "'010100' 0 'E' 2 '124'"},
      {Calculated<HETU>, "010100a123", "'010100' 0 'D' 1 '123'"},
      {Calculated<HETU>, "0101X0A123", "'0101X0' 21 '' 0 0"},
      {Calculated<HETU>, "010100A12-", "'010100' 21 '' 0 0"},
      {Calculated<HETU>, "010100123", "0 0 '' 0 0"},
      {Calculated<NID>, "85-0315-123", "'850315' 19 'G' 1 '123'"},  // sum 99
      {Calculated<NID>, "H55315123", "'750315' 20 'O' 2 '123'"},    // sum 130
      {Calculated<NID>, "K55131512", "'050131' 21 'G' 2 '512'"},
      {Calculated<NID>, "850315104", "'850315' 19 '@' 1 '104'"},  // remainder 0
      // A negative sum keeps its sign in the remainder: -16.
      {Calculated<NID>, "000000000", "'000000' 19 '0' 0 '000'"},
      {Calculated<NID>, "855015123", "'850015' 19 'J' 0 '123'"},
      // A first character outside the three ranges counts by its code.
      {Calculated<NID>, "U12345678", "0 0 'H' 0 '678'"},
      {Calculated<NID>, "h55315123", "0 0 'A' 2 '123'"},
      {Calculated<NID>, "8503X5123", "'8503X5' 19 '' 1 '123'"},
      {Calculated<NID>, "85X315123", "0 0 '' 0 0"},
  });
}

TEST(HetuNidTest, Check) {
  ExpectValidity<HETU>({"010100A123D", "010100a123D", "150385-1230", "010100 A123D"},
                       {"010100A123d", "010100A123DD"});
  ExpectValidity<NID>({"85-0315 123G", "850315104@"}, {"850315123g"});
}

}  // namespace
}  // namespace numerant::personal_test
