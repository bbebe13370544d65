// Personal identity numbers. Fields follow each class's Descriptor: AK and
// IK BirthDate Century CheckDigit Gender SerialNumber; CPR BirthDate Century
// CheckDigit SequenceNumber; AHV AlphabetGroup CheckDigit Citizen Gender
// QuarterDay SerialNumber Year; PESEL BirthDate CheckDigit Gender
// IdentificationNumber; CNP BirthDate Century CheckDigit CountyCode Gender
// SerialNumber; JMBG BirthDate CheckDigit Gender PoliticalRegionCode; HETU and
// NID BirthDate Century CheckDigit Gender IdentificationNumber or
// SequenceNumber; PNR BirthDate CheckDigit Gender; INSZ BirthDate CheckDigit
// Gender SerialNumber; VSNR BirthDate CheckDigit Gender RegionCode
// RegistrantLetter; WSDLN CheckDigit DayCode FirstNameInitial LastName
// MiddleNameInitial MonthCode YearCode.
#include "tests/schemes/cases.h"

namespace numerant::testing {
namespace {

TEST(PersonalTest, Calculate) {
  ExpectCalculate({
      {"AK", "3900101000", "0", R"("900101" 19 0 1 "000")"},
      // The first weighting leaves 10: AK weighs again, IK keeps 10.
      {"AK", "4850315123", "3", R"("850315" 19 3 2 "123")"},
      {"IK", "4850315123", "10", R"("850315" 20 10 2 "123")"},
      {"AK", "3900101059", "0"},  // both weightings leave 10
      {"AK", "0901301000", "0", R"("901301" 17 0 0 "000")"},
      {"AK", "9850315123", "4", R"("850315" 22 4 0 "123")"},
      {"IK", "0850315123", "6", R"("850315" 0 6 2 "123")"},
      // A conversion that fails keeps the fields read before it.
      {"AK", "A900101000", "-1", R"("900101" 0 -1 0 0)"},
      {"IK", "390010100X", "-1", R"("900101" 20 -1 1 "00X")"},
      {"CPR", "150385412", "7", R"("150385" 20 7 "412")"},
      {"CPR", "010150512", "-1", R"("010150" 21 -1 "512")"},  // remainder 1: no digit
      // Where the century turns for the sequence digits 4, 5 and 9.
      {"CPR", "010136412", "7", R"("010136" 21 7 "412")"},
      {"CPR", "010137412", "2", R"("010137" 20 2 "412")"},
      {"CPR", "010157512", "8", R"("010157" 21 8 "512")"},
      {"CPR", "010158512", "3", R"("010158" 19 3 "512")"},
      {"CPR", "010136912", "9", R"("010136" 21 9 "912")"},
      {"CPR", "010137912", "4", R"("010137" 20 4 "912")"},
      // The year is read only where the century depends on it.
      {"CPR", "0101XX012", "-1", R"("0101XX" 20 -1 "012")"},
      {"CPR", "0101XX512", "-1", R"("0101XX" 0 -1 0)"},
      {"AHV", "782.34.652.01", "9", R"("782" 9 true 2 "52" 0 "34")"},
      {"AHV", "3564856112", "-1", R"("356" -1 true 2 "61" 1 "48")"},
      {"AHV", "3564856118", "9", R"("356" 9 false 2 "61" 1 "48")"},
      {"AHV", "782346520A", "-1", R"("782" -1 false 0 0 0 0)"},
      {"AHV", "78234X5201", "-1", R"("782" -1 true 0 0 0 0)"},
      {"AHV", "78234652X1", "-1", R"("782" -1 true 2 "52" 0 0)"},
      {"AHV", "782-34-652-01", "-1", R"(0 -1 false 0 0 0 0)"},  // hyphens stay
      {"PESEL", "85-0315 1234", "4", R"("850315" 4 2 "123")"},
      {"PESEL", "850315123A", "-1", R"("850315" -1 0 0)"},
      {"PESEL", "85031512X4", "-1", R"("850315" -1 2 "12X")"},
      {"CNP", "185031512345", "5", R"("850315" 20 5 "12" 1 "345")"},
      {"CNP", "185031512348", "1"},  // remainder 10
      {"CNP", "585031512345", "2", R"("850315" 21 2 "12" 1 "345")"},
      {"CNP", "785031512345", "6", R"("850315" 0 6 "12" 1 "345")"},
      {"CNP", "985031512345", "1", R"("850315" 0 1 "12" 0 "345")"},
      {"CNP", "X85031512345", "-1", R"("850315" 0 -1 0 0 0)"},
      {"JMBG", "150398571012", "6", R"("1503985" 6 1 "71")"},
      {"JMBG", "150398571024", "0"},  // remainder 1
      {"JMBG", "150398571015", "0"},  // remainder 0
      {"JMBG", "150398571499", "7", R"("1503985" 7 1 "71")"},
      {"JMBG", "150398571500", "4", R"("1503985" 4 2 "71")"},
      {"JMBG", "1503985710A2", "-1", R"("1503985" -1 0 0)"},
      {"HETU", "0101 00A1 23", "D", R"("010100" 21 "D" 1 "123")"},
      {"HETU", "311299+987", "2", R"("311299" 19 "2" 1 "987")"},
      {"HETU", "150385-123", "0", R"("150385" 20 "0" 1 "123")"},  // the hyphen is a sign
      {"HETU", "010100B124", "E", R"("010100" 0 "E" 2 "124")"},
      {"HETU", "010100a123", "D", R"("010100" 0 "D" 1 "123")"},  // no upper-casing
      {"HETU", "0101X0A123", "", R"("0101X0" 21 "" 0 0)"},
      {"NID", "85-0315-123", "G", R"("850315" 19 "G" 1 "123")"},
      {"NID", "H55315123", "O", R"("750315" 20 "O" 2 "123")"},
      {"NID", "K55131512", "G", R"("050131" 21 "G" 2 "512")"},
      {"NID", "850315104", "@"},                                // remainder 0
      {"NID", "000000000", "0", R"("000000" 19 "0" 0 "000")"},  // the sum -16 keeps its sign
      // A first character outside the three ranges counts by its code.
      {"NID", "U12345678", "H", R"(0 0 "H" 0 "678")"},
      {"NID", "h55315123", "A", R"(0 0 "A" 2 "123")"},
      {"NID", "8503X5123", "", R"("8503X5" 19 "" 1 "123")"},
      {"NID", "85X315123", "", R"(0 0 "" 0 0)"},
      {"PNR", "850315123", "8", R"("850315" 8 1)"},
      {"PNR", "850315-124", "6", R"("850315" 6 2)"},
      {"PNR", "8503151A3", "-1", R"("850315" -1 1)"},
      {"PNR", "85031512A", "-1", R"("850315" -1 0)"},
      {"INSZ", "850315123", "69", R"("850315" "69" 1 "123")"},
      {"INSZ", "850315192", "97"},  // remainder 0
      // A slash counts towards the length, not the value.
      {"INSZ", "85/315123", "63", R"("85/315" "63" 1 "123")"},
      {"INSZ", "85031A123", "-1", R"("85031A" -1 1 "123")"},
      {"INSZ", "8503151A3", "-1", R"("850315" -1 0 0)"},
      {"VSNR", "15070649C10", "3", R"("070649" 3 1 "15" "C")"},
      {"VSNR", "12345678Z99", "7"},  // Z counts 2 * 2 + 6
      {"VSNR", "12010150A50", "3", R"("010150" 3 2 "12" "A")"},
      {"VSNR", "15 070649-c 10", "3"},
      {"VSNR", "15070649CX0", "-1", R"("070649" -1 0 0 "")"},  // the serial is read second
      {"VSNR", "15070649110", "-1", R"("070649" -1 1 "15" "1")"},
      {"WSDLN", "SMITHJA55BG", "7", R"(7 "G" "J" "SMITH" "A" "B" "55")"},
      {"WSDLN", "smith-ja55 bg", "7"},
      {"WSDLN", "DOE**JM30BA", "2"},
      // Negative sums -5, -1 and -10 still give a digit from 0 to 9.
      {"WSDLN", "AJAXZZZ11Z1", "5"},
      {"WSDLN", "01000000000", "9"},
      {"WSDLN", "09010000000", "0"},
      {"WSDLN", "***********", "4"},
      {"WSDLN", "SMITHJA5.BG", "-1", R"(-1 "G" "J" "SMITH" "A" "B" "5.")"},
  });
}

TEST(PersonalTest, Check) {
  ExpectCheck({
      {"AK", "48503151233", "valid"},
      {"IK", "3 9001-01 0000", "valid"},
      {"CPR", "150385-4127", "valid"},
      {"AHV", "782.34.652.019", "valid"},
      {"AHV", "782-34-652-019", "invalid"},
      {"PESEL", "850315 123-44", "valid"},
      {"JMBG", "1503985710240", "valid"},
      {"HETU", "010100a123D", "valid"},
      {"HETU", "010100 A123D", "valid"},
      {"HETU", "010100A123d", "invalid"},
      {"NID", "850315104@", "valid"},
      {"NID", "850315123g", "invalid"},
      {"PNR", "850315-1238", "valid"},
      {"PNR", "8503151239", "invalid", R"("850315" 8 1)"},
      {"PNR", "850315.1238", "invalid"},
      {"INSZ", "85.03.15-123.69", "valid"},
      {"INSZ", "85031512370", "invalid", R"("850315" "69" 1 "123")"},
      {"INSZ", "850315123+69", "invalid"},
      {"VSNR", "15-070649-C-10-3", "valid"},
      // The check digit stands tenth.
      {"WSDLN", "SMITH-JA557-BG", "valid"},
      {"WSDLN", "AJAXZZZ115Z1", "valid"},
      {"WSDLN", "SMITHJA55BG7", "invalid"},
  });
}

}  // namespace
}  // namespace numerant::testing
