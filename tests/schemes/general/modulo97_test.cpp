#include "schemes/general/modulo97.h"

#include <gtest/gtest.h>
#include <string>

namespace numerant {
namespace {

const FieldValue kUnset = std::int16_t{-1};

TEST(Modulo97Test, CalculatePlainAndReversed) {
  const struct {
    std::string payload;
    FieldValue plain, reversed;
  } cases[] = {
      {"123456789", "39", "58"},
      {"97", "00", "97"},
      {"0", "00", "97"},
      {"7", "07", "90"},
      {"1-2.3+4/5", "26", "71"},
      {"2147483647", "65", "32"},
      // Payloads beyond 32 bits are read exactly; 10 has order 96 modulo 97.
      {"2147483648", "66", "31"},
      {"1" + std::string(96, '0'), "01", "96"},
      {"", kUnset, kUnset},
      {" -.+/", kUnset, kUnset},
      {"12a45", kUnset, kUnset},
      {"1,5", kUnset, kUnset},
      {"0x1F", kUnset, kUnset},
  };
  for (const auto& c : cases) {
    for (const bool reverse : {false, true}) {
      Modulo97 modulo97;
      modulo97.SetReverse(reverse);
      const FieldValue& expected = reverse ? c.reversed : c.plain;
      EXPECT_EQ(modulo97.Calculate(c.payload), expected) << c.payload << " reverse " << reverse;
      EXPECT_EQ(modulo97.CheckDigit(), expected) << c.payload;
    }
  }
}

TEST(Modulo97Test, Check) {
  const struct {
    const char* number;
    bool reverse, valid;
  } cases[] = {
      {"12326", false, true},  {"12339", false, false},       {"12371", true, true},
      {"12326", true, false},  {"12+3/2 6", false, true},     {"9797", true, true},
      {"97", false, false},    {"999999999948", false, true}, {"1232A", false, false},
      {"123:6", false, false}, {"1236", false, false},  // "6" is not "06"
  };
  for (const auto& c : cases) {
    Modulo97 modulo97;
    modulo97.SetReverse(c.reverse);
    EXPECT_EQ(modulo97.Check(c.number), c.valid) << c.number << " reverse " << c.reverse;
  }
}

TEST(Modulo97Test, ReverseIsKeptAcrossCallsAndCheckDigitIsNot) {
  Modulo97 modulo97;
  EXPECT_FALSE(modulo97.Reverse());
  modulo97.SetReverse(true);
  EXPECT_EQ(modulo97.Calculate("123456789"), "58");
  EXPECT_FALSE(modulo97.Check("12"));
  EXPECT_EQ(modulo97.CheckDigit(), kUnset);
  EXPECT_TRUE(modulo97.Reverse());
}

}  // namespace
}  // namespace numerant
