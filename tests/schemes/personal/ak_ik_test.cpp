#include "schemes/personal/ak_ik.h"

#include <string>

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(AkIkTest, Calculate) {
  // Fields: BirthDate Century CheckDigit Gender SerialNumber.
  ExpectCases({
      {Calculated<AK>, "3900101000", "'900101' 19 0 1 '000'"},
      {Calculated<IK>, "3900101000", "'900101' 20 0 1 '000'"},
      // First stage 120 leaves 10: AK weighs again (157), IK keeps 10.
      {Calculated<AK>, "4850315123", "'850315' 19 3 2 '123'"},
      {Calculated<IK>, "4850315123", "'850315' 20 10 2 '123'"},
      {Calculated<AK>, "3900101059", "'900101' 19 0 1 '059'"},  // both stages leave 10
      // The ends of the first-digit tables; month 13 is not questioned.
      {Calculated<AK>, "0901301000", "'901301' 17 0 0 '000'"},
      {Calculated<AK>, "9850315123", "'850315' 22 4 0 '123'"},
      {Calculated<IK>, "0850315123", "'850315' 0 6 2 '123'"},
      // A first digit that fails leaves only the birth date read.
      {Calculated<AK>, "A900101000", "'900101' 0 -1 0 0"},
      {Calculated<IK>, "390010100X", "'900101' 20 -1 1 '00X'"},
      {Calculated<IK>, "39001010000", "0 0 -1 0 0"},
  });
}

TEST(AkIkTest, Check) {
  ExpectValidity<AK>({"39001010000", "48503151233"}, {"48503151230", "3900101000X", "3900101000"});
  ExpectValidity<IK>({"3 9001-01 0000"}, {"4850315123:"});
  for (char last = '0'; last <= '9'; ++last) {
    EXPECT_FALSE(IK().Check(std::string("4850315123") + last)) << last;  // IK computes 10
  }
}

}  // namespace
}  // namespace numerant::personal_test
