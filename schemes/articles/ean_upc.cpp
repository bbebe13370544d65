#include "schemes/articles/ean_upc.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

// EAN numbers whose first two digits are one of these have a two-digit number
// system; all others a three-digit one.
constexpr std::array<int, 58> kTwoDigitSystems{
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
    20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 45, 49,
    50, 54, 57, 64, 70, 73, 76, 80, 81, 82, 83, 84, 87, 90, 91, 93, 94, 99};

// The same list as a lookup by the number 0 to 99 that two characters make.
constexpr std::array<bool, 100> kHasTwoDigitSystem = [] {
  std::array<bool, 100> table{};
  for (int prefix : kTwoDigitSystems)
    table[static_cast<std::size_t>(prefix)] = true;
  return table;
}();

// The number at the start of a text, read leniently: an optional plus sign,
// then digits up to the first character that cannot continue the number;
// nothing readable gives 0. Only the cutting of the fields of a stem that
// fails its digit test anyway depends on this leniency.
int LeadingNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + DigitValue(text[i]);
  }
  return value;
}

std::string Join(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces)
    text += piece;
  return text;
}

bool InRange(char c, char low, char high) {
  return c >= low && c <= high;
}

// UPC-E (number system, six digits d1 to d6, optional check digit; 7 or 8
// characters) to UPC-A: d6 tells where the suppressed zeros stood.
std::string ExpandUpcE(std::string_view s) {
  const auto chars = [s](std::size_t first, std::size_t last) {
    return Characters(s, first, last);
  };
  const std::string_view d6 = chars(7, 7);
  const std::string_view check = chars(8, 8);
  const char d = s[6];
  if (InRange(d, '0', '2')) return Join({chars(1, 3), d6, "0000", chars(4, 6), check});
  if (d == '3') return Join({chars(1, 4), "00000", chars(5, 6), check});
  if (d == '4') return Join({chars(1, 5), "00000", chars(6, 6), check});
  if (InRange(d, '5', '9')) return Join({chars(1, 6), "0000", d6, check});
  return "";
}

// UPC-A (11 or 12 characters) to UPC-E: the first zero run that can be
// suppressed decides the form.
std::string SuppressUpcA(std::string_view s) {
  const auto chars = [s](std::size_t first, std::size_t last) {
    return Characters(s, first, last);
  };
  const std::string_view check = chars(12, 12);
  const char c4 = s[3];
  const char c5 = s[4];
  const char c6 = s[5];
  const char c11 = s[10];
  if (InRange(c11, '5', '9') && c6 != '0' && chars(7, 10) == "0000") {
    return Join({chars(1, 6), chars(11, 11), check});
  }
  if (chars(6, 10) == "00000" && c5 != '0') return Join({chars(1, 5), chars(11, 11), "4", check});
  if (chars(5, 8) == "0000" && InRange(c4, '0', '2')) {
    return Join({chars(1, 3), chars(9, 11), chars(4, 4), check});
  }
  if (chars(5, 9) == "00000" && InRange(c4, '3', '9')) {
    return Join({chars(1, 4), chars(10, 11), "3", check});
  }
  return "";
}

}  // namespace

void EAN::ResetFields() {
  manufacturer_code_ = std::int16_t{0};
  number_system_ = std::int16_t{0};
  product_code_ = std::int16_t{0};
}

// The fields are cut by position before any digit is tested.
bool EAN::Prepare(std::string& stem) {
  const bool two_digit_system =
      kHasTwoDigitSystem[static_cast<std::size_t>(LeadingNumber(Characters(stem, 1, 2)))];
  const std::size_t p = two_digit_system ? 2 : 3;
  number_system_ = Characters(stem, 1, p);
  if (stem.size() == 7) {
    manufacturer_code_ = std::int16_t{-1};
    product_code_ = Characters(stem, p + 1, 7);
  } else {
    manufacturer_code_ = Characters(stem, p + 1, 7);
    product_code_ = Characters(stem, 8, 12);
  }
  return true;
}

void UPC::ResetFields() {
  manufacturer_code_ = std::int16_t{0};
  number_system_ = 0;
  product_code_ = std::int16_t{0};
}

// A UPC-E stem is weighed and split as its UPC-A expansion.
bool UPC::Prepare(std::string& stem) {
  if (stem.size() == 7) stem = Convert(stem);
  if (!stem.empty() && IsDigit(stem.front())) {
    number_system_ = static_cast<std::uint8_t>(DigitValue(stem.front()));
  }
  manufacturer_code_ = Characters(stem, 2, 6);
  product_code_ = Characters(stem, 7, 11);
  return true;
}

std::string UPC::Convert(std::string_view number) {
  const std::string s(Normalise(number));
  if (s.size() == 7 || s.size() == 8) return ExpandUpcE(s);
  if (s.size() == 11 || s.size() == 12) return SuppressUpcA(s);
  return "";
}

}  // namespace numerant
