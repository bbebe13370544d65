// SPDX-License-Identifier: MIT
#include "schemes/products/ean_upc.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/text.h"
#include "core/whole_number.h"

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

constexpr std::size_t kEan8Payload = 7;
constexpr std::size_t kEan13Payload = 12;
constexpr std::size_t kUpcEPayload = 7;
constexpr std::size_t kUpcAPayload = 11;

// The number at the start of a text, read leniently: an optional plus sign,
// then digits up to the first character that cannot continue the number;
// nothing readable gives 0. Only the cutting of the fields of a payload that
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

EAN::EAN()
    : CheckDigitNumber(
          {.separators = " -",
           .payload_lengths = {{kEan8Payload, kEan8Payload}, {kEan13Payload, kEan13Payload}}}) {}

bool EAN::IsValid(std::string_view number) {
  if (number.size() == kEan8Payload + 1 || number.size() == kEan13Payload + 1) {
    if (const auto valid = whole::Modulo10Valid(number)) return *valid;
  }
  return CheckDigitNumber::IsValid(number);
}

// The fields are cut by position before any digit is tested; none of them
// bears on the verdict.
std::optional<std::int16_t> EAN::ComputeCheckDigit(std::string_view payload) {
  if (fieldless_) {
    if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
    return std::nullopt;
  }
  const bool two_digit_system =
      kHasTwoDigitSystem[static_cast<std::size_t>(LeadingNumber(Characters(payload, 1, 2)))];
  const std::size_t p = two_digit_system ? 2 : 3;
  fields_.number_system = Characters(payload, 1, p);
  if (payload.size() == kEan8Payload) {
    fields_.manufacturer_code = std::int16_t{-1};
    fields_.product_code = Characters(payload, p + 1, 7);
  } else {
    fields_.manufacturer_code = Characters(payload, p + 1, 7);
    fields_.product_code = Characters(payload, 8, 12);
  }
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

UPC::UPC()
    : CheckDigitNumber(
          {.separators = " -",
           .payload_lengths = {{kUpcEPayload, kUpcEPayload}, {kUpcAPayload, kUpcAPayload}}}) {}

// A UPC-E payload is weighed and split as its UPC-A expansion.
std::optional<std::int16_t> UPC::ComputeCheckDigit(std::string_view payload) {
  const std::string upc_a =
      payload.size() == kUpcEPayload ? ExpandUpcE(payload) : std::string(payload);
  if (!upc_a.empty() && IsDigit(upc_a.front())) {
    fields_.number_system = static_cast<std::uint8_t>(DigitValue(upc_a.front()));
  }
  fields_.manufacturer_code = Characters(upc_a, 2, 6);
  fields_.product_code = Characters(upc_a, 7, 11);
  // A UPC-E payload with no expansion (its seventh character is no digit)
  // has no check digit, not the one of the empty text. An expansion keeps
  // the payload's characters in their order, except the seventh, which is
  // then a digit; so the first non-digit of the payload is the one that
  // failed.
  if (upc_a.empty()) return RejectNonDigit(payload);
  if (auto check_digit = Modulo10CheckDigit(upc_a)) return check_digit;
  return RejectNonDigit(payload);
}

std::string UPC::Convert(std::string_view number) {
  const std::string s(Normalise(number));
  if (s.size() == 7 || s.size() == 8) return ExpandUpcE(s);
  if (s.size() == 11 || s.size() == 12) return SuppressUpcA(s);
  return "";
}

}  // namespace numerant
