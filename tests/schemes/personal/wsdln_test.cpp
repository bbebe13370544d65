#include "schemes/personal/wsdln.h"

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(WsdlnTest, Calculate) {
  // Fields: CheckDigit DayCode FirstNameInitial LastName MiddleNameInitial
  // MonthCode YearCode.
  ExpectCases({
      {Calculated<WSDLN>, "SMITHJA55BG", "7 'G' 'J' 'SMITH' 'A' 'B' '55'"},  // sum 17
      {Calculated<WSDLN>, "SMITHJ*77AB", "6 'B' 'J' 'SMITH' '*' 'A' '77'"},
      {Calculated<WSDLN>, "JONESAB12CD", "0 'D' 'A' 'JONES' 'B' 'C' '12'"},
      {Calculated<WSDLN>, "DOE**JM30BA", "2 'A' 'J' 'DOE**' 'M' 'B' '30'"},
      {Calculated<WSDLN>, "smith-ja55 bg", "7 'G' 'J' 'SMITH' 'A' 'B' '55'"},
      // Negative sums -5, -1 and -10 still give a digit from 0 to 9.
      {Calculated<WSDLN>, "AJAXZZZ11Z1", "5 '1' 'Z' 'AJAXZ' 'Z' 'Z' '11'"},
      {Calculated<WSDLN>, "01000000000", "9 '0' '0' '01000' '0' '0' '00'"},
      {Calculated<WSDLN>, "09010000000", "0 '0' '0' '09010' '0' '0' '00'"},
      // Six stars added, five taken away.
      {Calculated<WSDLN>, "***********", "4 '*' '*' '*****' '*' '*' '**'"},
      {Calculated<WSDLN>, "SMITHJA5.BG", "-1 'G' 'J' 'SMITH' 'A' 'B' '5.'"},
      {Calculated<WSDLN>, "SMITHJA557BG", "-1 '' '' '' '' '' 0"},
  });
}

TEST(WsdlnTest, Check) {
  // The check digit stands tenth, and only a digit can match it.
  ExpectValidity<WSDLN>({"SMITHJA557BG", "smithja557bg", "SMITH-JA557-BG", "SMITHJ*776AB",
                         "JONESAB120CD", "DOE**JM302BA", "AJAXZZZ115Z1"},
                        {"SMITHJA558BG", "SMITHJA55XBG", "SMITHJA55BG7"});
}

}  // namespace
}  // namespace numerant::personal_test
