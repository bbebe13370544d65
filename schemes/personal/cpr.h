// SPDX-License-Identifier: MIT
// CPR: the Danish personal number, DDMMYY SSS C.
//
// The birth date, three sequence digits and a check digit: the nine digits
// weighted 4 3 2 7 6 5 4 3 2, and 11 minus the remainder of the sum modulo
// 11 (0 for remainder 0). A payload that leaves remainder 1 has no check
// digit at all: it computes -1, like malformed input, and no number with it
// is valid. The first sequence digit and the year YY give the century.
//   150385412: 4 + 15 + 0 + 21 + 48 + 25 + 16 + 3 + 4 = 136 = 12 x 11 + 4,
//   so 11 - 4 = 7; sequence digit 4 and year 85 give the 1900s (Century 20).
#pragma once

#include <cstdint>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/weighted_sum_number.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct CprFields {
  FieldValue birth_date = std::int16_t{0};
  std::uint8_t century = 0;
  FieldValue sequence_number = std::int16_t{0};
};

class CPR final : public WeightedSumNumber<CprFields> {
 public:
  CPR();

  // The integer 0 until a number is decoded, then its DDMMYY.
  const FieldValue& BirthDate() const { return fields().birth_date; }
  // The ordinal century: 19 for births from 1800 to 1899, 20 from 1900, 21
  // from 2000; 0 when not decoded.
  std::uint8_t Century() const { return fields().century; }
  // The birth date as a day of the calendar, for the words of a valid number.
  BirthDay Birthday() const;
  // The three sequence digits before the check digit.
  const FieldValue& SequenceNumber() const { return fields().sequence_number; }

 private:
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<CPR> {
  static constexpr std::string_view kName = "CPR";
  static constexpr std::string_view kDescription =
      "Danish personal number: DDMMYY and a sequence number that sets the century; modulo 11";
  static constexpr std::tuple kProperties{
      Property{"BirthDate", &CPR::BirthDate}, Property{"Century", &CPR::Century},
      Property{"CheckDigit", &CPR::CheckDigit}, Property{"SequenceNumber", &CPR::SequenceNumber}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("1503854127"),
      Valid("150385-4127"),
      Calculates("150385412", "7", R"(BirthDate="150385" Century=20 SequenceNumber="412")"),
      // remainder 1
      Calculates("010150512", "-1", R"(Century=21 SequenceNumber="512")"),
      Calculates("241290019", "-1"),
      // The year is read only where the century depends on it.
      Calculates("0101XX012", "-1", R"(BirthDate="0101XX" Century=20 SequenceNumber="012")"),
      Calculates("0101XX512", "-1", R"(BirthDate="0101XX" Century=0 SequenceNumber=0)"),
      Invalid("1503854126", "check digit should be 7, not 6", "CheckDigit=7"),
      Invalid("-", "no number typed"),
      Invalid("150385412", "10 digits expected, 9 typed"),
      Invalid("0101XX5123", "the letter X cannot stand at place 5"),
      Invalid("150385-X127", "the letter X cannot stand at place 8"),
      Invalid("010150-5120", "no check digit exists for this number"),
      Invalid("1503854128", "check digit should be 7, not 8"),
      // A value of -1 is matched by no character, not even "/", which stands at -1
      // from "0".
      Invalid("010150512/", "the character \"/\" cannot stand at place 10"),
  };
  // Examples end
};

}  // namespace numerant
