// SPDX-License-Identifier: MIT
// VSNR: every letter's two digits, every weight, the serial where the sex
// turns, and the fields read before the characters are tested.
#include "tests/schemes/cases.h"
#include "tests/schemes/personal/each_payload.h"

namespace numerant::testing {
namespace {

TEST(VsnrTest, Calculate) {
  ExpectCalculate({
      {"VSNR", "15070649C10", "3",
       R"(BirthDate="070649" Gender=1 RegionCode="15" RegistrantLetter="C")"},
      {"VSNR", "15 070649-c 10", "3"},
      {"VSNR", "12345678Z99", "7"},
      {"VSNR", "53270172M53", "3"},
      // Serials from 50 on are women's.
      {"VSNR", "12010150A49", "9", "Gender=1"},
      {"VSNR", "12010150A50", "3", R"(BirthDate="010150" Gender=2 RegionCode="12")"},
      // The serial is read second, before the region and the letter.
      {"VSNR", "15070649CX0", "-1",
       R"(BirthDate="070649" Gender=0 RegionCode=0 RegistrantLetter="")"},
      {"VSNR", "15070649110", "-1", R"(RegionCode="15" RegistrantLetter="1")"},
  });
}

TEST(VsnrTest, EveryLetter) {
  // A to I count their place alone; J to Z add 2 or 4 for the tens digit.
  ExpectEach("VSNR", Vary("15070649_10", 8, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
             "12345678923456789014567890");
}

TEST(VsnrTest, Check) {
  ExpectCheck({
      {"VSNR", "15-070649-C-10-3", "valid"},
      {"VSNR", "150706491103", "invalid"},
  });
}

TEST(VsnrTest, Explain) {
  ExpectExplain({
      {"VSNR", "", "no number typed"},
      {"VSNR", "15070649C10", "12 characters expected, 11 typed"},
      {"VSNR", "15 070649 1 10 3", "the digit 1 cannot stand at place 11"},
      {"VSNR", "15070649C1X3", "the letter X cannot stand at place 11"},
      {"VSNR", "15070649c104", "check digit should be 3, not 4"},
  });
}

}  // namespace
}  // namespace numerant::testing
