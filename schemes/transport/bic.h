// SPDX-License-Identifier: MIT
// BIC: the freight-container code of ISO 6346. Three owner letters, a
// category letter ("U", "J" or "Z"), six serial digits and a check digit:
// the letters count 10 to 38 (skipping the multiples of 11), place i weighs
// 2 to the power i, and the check digit is the sum modulo 11, with 10
// written 0.
//   CSQU305438: 13 + 30x2 + 28x4 + 32x8 = 441, 3x16 + 0 + 5x64 + 4x128 + 3x256
//   + 8x512 = 5744, and 6185 = 562 x 11 + 3, so the check digit is 3.
//
// Mind the names of the fields: the three owner letters are exposed as
// `CategoryCode` and the category letter as `OwnerCode`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"

namespace numerant {

struct BicFields {
  std::string category_code;
  std::string owner_code;
  FieldValue serial_number = std::int16_t{0};
};

class BIC final : public CheckDigitNumber<std::int16_t, BicFields> {
 public:
  BIC();

  // The three owner letters.
  const std::string& CategoryCode() const { return fields().category_code; }
  // The category letter.
  const std::string& OwnerCode() const { return fields().owner_code; }
  // The integer 0 until a code is parsed, then its six serial digits.
  const FieldValue& SerialNumber() const { return fields().serial_number; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<BIC> {
  static constexpr std::string_view kName = "BIC";
  static constexpr std::string_view kDescription =
      "Freight container code (ISO 6346): three owner letters, category letter U, J or Z, six "
      "digits; powers of two modulo 11";
  static constexpr std::string_view kWrittenForm = "#### ###### #";
  static constexpr std::tuple kProperties{
      Property{"CategoryCode", &BIC::CategoryCode},
      Property{"CheckDigit", &BIC::CheckDigit},
      Property{"OwnerCode", &BIC::OwnerCode},
      Property{"SerialNumber", &BIC::SerialNumber},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("CSQU3054383"),
      Valid("ABCJ0000004"),
      Valid("csqu3054383"),
      Valid("csqu 305438 3", R"(CategoryCode="CSQ" CheckDigit=3)"),
      // The owner letters are the category code, the category letter the
      // owner code.
      Calculates("CSQU 305438", "3", R"(CategoryCode="CSQ" OwnerCode="U" SerialNumber="305438")"),
      Calculates("csqu-305438", "3"),
      Calculates("MSKU907032", "3"),
      Calculates("VWXZ123456", "1"),
      // remainder 10
      Calculates("AAAU000006", "0"),
      // the owner letters weigh 1, 2 and 4
      Calculates("BAAU000000", "9"),
      Calculates("ABAU000000", "0"),
      Calculates("AABU000000", "4"),
      // the category letter 8
      Calculates("AAAJ000000", "0"),
      // Without a category letter nothing is read.
      Calculates("ABCX123456", "-1", R"(CategoryCode="" OwnerCode="" SerialNumber=0)"),
      Calculates("C1QU305438", "-1", R"(CategoryCode="C1Q" OwnerCode="U" SerialNumber="305438")"),
      Invalid("-", "no number typed"),
      Invalid("CSQU30543", "11 characters expected, 9 typed"),
      Invalid("ABCX1234560", "the letter X cannot stand at place 4"),
      Invalid("C5QU3054383", "the digit 5 cannot stand at place 2"),
  };
  // Examples end
};

}  // namespace numerant
