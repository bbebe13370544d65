#include "schemes/personal/ak_ik.h"
#include "schemes/personal/cpr_ahv.h"
#include "schemes/personal/hetu_nid.h"
#include "schemes/personal/pesel_cnp_jmbg.h"
#include "schemes/personal/vsnr.h"
#include "schemes/personal/wsdln.h"
#include "tests/schemes/personal/fields.h"

namespace numerant::personal_test {
namespace {

TEST(PersonalNumbersTest, EveryCallStartsAfresh) {
  ExpectEveryCallStartsAfresh<AK>("4850315123", "39001010000");
  ExpectEveryCallStartsAfresh<IK>("4850315123", "39001010000");
  ExpectEveryCallStartsAfresh<PESEL>("8503151234", "85031512344");
  ExpectEveryCallStartsAfresh<CNP>("185031512345", "5850315123452");
  ExpectEveryCallStartsAfresh<JMBG>("150398571012", "1503985710240");
  ExpectEveryCallStartsAfresh<CPR>("150385412", "0101605124");
  ExpectEveryCallStartsAfresh<AHV>("7823465201", "35648561189");
  ExpectEveryCallStartsAfresh<HETU>("010100A123", "311299+9872");
  ExpectEveryCallStartsAfresh<NID>("850315123", "H55315123O");
  ExpectEveryCallStartsAfresh<VSNR>("15070649C10", "12345678Z997");
  ExpectEveryCallStartsAfresh<WSDLN>("SMITHJA55BG", "DOE**JM302BA");
}

}  // namespace
}  // namespace numerant::personal_test
