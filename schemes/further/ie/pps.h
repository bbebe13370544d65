// SPDX-License-Identifier: MIT
// ie.pps: the Irish personal public service number as issued today: seven
// digits, a check letter, and an optional second letter: A or B on the
// numbers of persons (A from 2013, B from 2024), H on those of companies and
// trusts, W on the old numbers of married women, T or X on old special
// numbers.
//
// The digits are weighted 8 7 6 5 4 3 2, and the second letter adds 9 times
// its value (A 1, B 2, H 8; W, T and X 0). The remainder of the sum modulo
// 23 picks the check letter, the eighth character: "W" for 0, the r-th
// letter of the alphabet for the others.
//   6433435 A: 48 + 28 + 18 + 15 + 16 + 9 + 10 + 9 x 1 = 153 = 6 x 23 + 15,
//   so "O".
//   IePps pps;
//   pps.Calculate("6433435A");   // "O"
//   pps.Check("6433435OA");      // true, SecondLetter "A"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct IePpsFields {
  FieldValue second_letter;
};

// The check letter is "" until known.
class IePps final : public CheckLetterNumber<IePps, IePpsFields> {
 public:
  IePps();

  // The letter after the check letter; nothing where the number has none.
  const FieldValue& SecondLetter() const { return fields().second_letter; }

 private:
  friend CheckLetterNumber;
  std::int64_t LetterNumber(std::string_view payload) override;
};

template <>
struct Descriptor<IePps> {
  static constexpr std::string_view kName = "ie.pps";
  static constexpr std::string_view kDisplayName = "PPS number";
  static constexpr std::string_view kDescription =
      "Irish Personal Public Service number with its second letter; check letter by weighted "
      "modulo 23";
  static constexpr std::string_view kArea = area::kPersonal;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &IePps::CheckDigit},
      Property{"SecondLetter", &IePps::SecondLetter},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("6433435OA", R"(SecondLetter="A")"),
      Valid("1234567OB"),
      Valid("1234567T"),
      Calculates("6433435A", "O"),
      Invalid("1234567OC", "the letter C cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
