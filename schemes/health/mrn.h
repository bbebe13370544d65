// SPDX-License-Identifier: MIT
// MRN: a code of any length followed by a check digit worked out in the Luhn
// manner, except that no character is refused: each counts with its code
// minus the code of "0", so the letters (upper-cased) count 17 ("A") to 42
// ("Z"). From the right, the last payload character and every second one
// before it count doubled, 2v - 9 (v div 5), which for a digit is the digit
// sum of its double; the check digit brings the total up to a multiple of 10.
// AB12: A 17, B 18 doubled to 9, 1, 2 doubled to 4 make 31, so 9.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"

namespace numerant {

class MRN final : public CheckDigitNumber<std::int16_t> {
 public:
  MRN();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<MRN> {
  static constexpr std::string_view kName = "MRN";
  static constexpr std::string_view kDescription =
      "Medical record number of any length, letters allowed; Luhn-like, letters counting 17 to 42";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &MRN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("79927398713"),
      Valid("AB129"),
      Valid("X2"),
      Valid("&00"),
      // the Luhn digit
      Calculates("7992739871", "3"),
      // as AB12
      Calculates("ab-12", "9"),
      // Below "0" a character counts negative, and on a doubled place it
      // fails.
      Calculates("+", "-1"),
      Calculates("+0", "-1"),
      Calculates("&0", "0"),
      Calculates("/5", "0"),
      // upper-cased to "\xC9"
      Calculates("\xE9", "4"),
      // A single digit is doubled, which reaches every remainder of the sum.
      Calculates("0", "0"),
      Calculates("1", "8"),
      Calculates("2", "6"),
      Calculates("3", "4"),
      Calculates("4", "2"),
      Calculates("5", "9"),
      Calculates("6", "7"),
      Calculates("7", "5"),
      Calculates("8", "3"),
      Calculates("9", "1"),
      Invalid("0", "at least 2 characters expected, 1 typed"),
      Invalid("-", "no number typed"),
      Invalid("7", "at least 2 characters expected, 1 typed"),
      Invalid("12+5", "the character \"+\" cannot stand at place 3"),
      Invalid("+05", "no check digit exists for this number"),
  };
  // Examples end
};

}  // namespace numerant
