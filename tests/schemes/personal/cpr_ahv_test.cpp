#include "schemes/personal/cpr_ahv.h"

#include <string>

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(CprAhvTest, Calculate) {
  // Fields of CPR: BirthDate Century CheckDigit SequenceNumber; of AHV:
  // AlphabetGroup CheckDigit Citizen Gender QuarterDay SerialNumber Year.
  ExpectCases({
      {Calculated<CPR>, "150385412", "'150385' 20 7 '412'"},   // sum 136
      {Calculated<CPR>, "010150512", "'010150' 21 -1 '512'"},  // remainder 1: no digit
      {Calculated<CPR>, "010160512", "'010160' 19 4 '512'"},
      // Where the century turns for sequence digits 4, 5 and 9.
      {Calculated<CPR>, "010136412", "'010136' 21 7 '412'"},
      {Calculated<CPR>, "010137412", "'010137' 20 2 '412'"},
      {Calculated<CPR>, "010157512", "'010157' 21 8 '512'"},
      {Calculated<CPR>, "010158512", "'010158' 19 3 '512'"},
      {Calculated<CPR>, "010136912", "'010136' 21 9 '912'"},
      {Calculated<CPR>, "010137912", "'010137' 20 4 '912'"},
      // The year is read only where the century depends on it.
      {Calculated<CPR>, "0101XX012", "'0101XX' 20 -1 '012'"},
      {Calculated<CPR>, "0101XX512", "'0101XX' 0 -1 0"},
      {Calculated<AHV>, "782.34.652.01", "'782' 9 true 2 '52' 0 '34'"},  // sum 178
      {Calculated<AHV>, "3564856112", "'356' -1 true 2 '61' 1 '48'"},    // remainder 1
      {Calculated<AHV>, "3564856118", "'356' 9 false 2 '61' 1 '48'"},
      {Calculated<AHV>, "7823405204", "'782' 6 true 0 '52' 0 '34'"},
      {Calculated<AHV>, "7823495205", "'782' 5 false 0 '52' 0 '34'"},
      // Each failing conversion stops the decoding where it stands.
      {Calculated<AHV>, "782346520A", "'782' -1 false 0 0 0 0"},
      {Calculated<AHV>, "78234X5201", "'782' -1 true 0 0 0 0"},
      {Calculated<AHV>, "78234652X1", "'782' -1 true 2 '52' 0 0"},
      {Calculated<AHV>, "7A23465201", "'7A2' -1 true 2 '52' 0 '34'"},
      {Calculated<AHV>, "782-34-652-01", "0 -1 false 0 0 0 0"},
  });
}

TEST(CprAhvTest, Check) {
  // No character stands for a missing check digit, not even "/" below "0".
  ExpectValidity<CPR>({"1503854127", "150385-4127"}, {"1503854128", "010150512/"});
  ExpectValidity<AHV>({"782.34.652.019", "782 3465 2019"},
                      {"782-34-652-019", "78234652018", "3564856112/"});
}

}  // namespace
}  // namespace numerant::personal_test
