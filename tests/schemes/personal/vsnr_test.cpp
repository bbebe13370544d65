#include "schemes/personal/vsnr.h"

#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(VsnrTest, Calculate) {
  // Fields: BirthDate CheckDigit Gender RegionCode RegistrantLetter.
  ExpectCases({
      {Calculated<VSNR>, "15070649C10", "'070649' 3 1 '15' 'C'"},  // sum 43
      {Calculated<VSNR>, "12345678Z99", "'345678' 7 2 '12' 'Z'"},  // Z counts 2 * 2 + 6; sum 67
      {Calculated<VSNR>, "12010150A50", "'010150' 3 2 '12' 'A'"},
      {Calculated<VSNR>, "12010150A49", "'010150' 9 1 '12' 'A'"},
      {Calculated<VSNR>, "15070649J10", "'070649' 2 1 '15' 'J'"},
      {Calculated<VSNR>, "15 070649-c 10", "'070649' 3 1 '15' 'C'"},
      {Calculated<VSNR>, "15070649CX0", "'070649' -1 0 0 ''"},  // the serial is read second
      {Calculated<VSNR>, "15070649110", "'070649' -1 1 '15' '1'"},
      {Calculated<VSNR>, "1X070649C10", "'070649' -1 1 '1X' 'C'"},
      {Calculated<VSNR>, "15070649C103", "0 -1 0 0 ''"},
  });
}

TEST(VsnrTest, Check) {
  ExpectValidity<VSNR>({"15070649C103", "15 070649 c 103", "15-070649-C-10-3"},
                       {"15070649C104", "15070649C10X"});
}

}  // namespace
}  // namespace numerant::personal_test
