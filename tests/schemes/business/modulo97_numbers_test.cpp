#include "schemes/business/modulo97_numbers.h"

#include <gtest/gtest.h>

namespace numerant {
namespace {

const FieldValue kUnset = std::int16_t{-1};

// One fresh object per call, as the window uses them.
template <typename Scheme>
FieldValue Calculate(std::string_view number) {
  return Scheme().Calculate(number);
}
template <typename Scheme>
bool Check(std::string_view number) {
  return Scheme().Check(number);
}

TEST(Modulo97NumbersTest, Calculate) {
  const struct {
    FieldValue (*calculate)(std::string_view);
    const char* number;
    FieldValue check_digits;
  } cases[] = {
      {Calculate<OGM>, "012/345 6+789", "39"},
      {Calculate<OGM>, "0000000097", "00"},
      {Calculate<OGM>, "9999999999", "48"},  // above 32 bits
      // Hyphens and full stops count towards the length but not the value.
      {Calculate<OGM>, "123-456-78", "03"},
      {Calculate<OGM>, "----------", kUnset},
      {Calculate<OGM>, "012345678", kUnset},
      {Calculate<OGM>, "012345678a", kUnset},
      {Calculate<OGM>, " +/", kUnset},
      {Calculate<BTW>, "123.45-67", "49"},
      {Calculate<BTW>, "9700000", "97"},
      {Calculate<BTW>, "123+4567", kUnset},
      {Calculate<SIS>, "1234.56-78", "03"},
      {Calculate<SIS>, "1234/5678", kUnset},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.calculate(c.number), c.check_digits) << c.number;
  }
}

TEST(Modulo97NumbersTest, Check) {
  const struct {
    bool (*check)(std::string_view);
    const char* number;
    bool valid;
  } cases[] = {
      {Check<OGM>, "012/3456/78939", true}, {Check<OGM>, "999999999948", true},
      {Check<OGM>, "01234567893A", false},  {Check<OGM>, "0123456789-39", false},
      {Check<BTW>, "123.45.67-49", true},   {Check<BTW>, "123456750", false},
      {Check<BTW>, "970000097", true},      {Check<SIS>, "1234567803", true},
      {Check<SIS>, "1234567830", false},    {Check<SIS>, "123456783", false},
      {Check<SIS>, "12345678+3", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.check(c.number), c.valid) << c.number;
}

TEST(Modulo97NumbersTest, EachCallStartsFromTheUnsetValue) {
  SIS sis;
  EXPECT_EQ(sis.Calculate("12345678"), "03");
  EXPECT_FALSE(sis.Check("123"));
  EXPECT_EQ(sis.CheckDigit(), kUnset);
}

}  // namespace
}  // namespace numerant
