// SPDX-License-Identifier: MIT
// ismn: the International Standard Music Number (ISO 10957) in its 13-digit
// form, 979-0 and eight digits and a check digit, or its old 10-character
// form, "M" and the same eight digits and check digit. The check digit is
// the EAN-13 digit of the 13-digit form; in the old form "M" counts 3 with
// the weights 3 and 1, which gives the same digit. The eight digits split
// into the publisher (3 to 7 digits, by range) and the item.
//   Ismn ismn;
//   ismn.Calculate("979034524680");    // 5, Publisher "3452", Item "4680"
//   ismn.Check("M-3452-4680-5");       // true
//   ismn.Check("979-0-3452-4680-5");   // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct IsmnFields {
  FieldValue publisher;
  FieldValue item;
};

// The check digit is 0 to 9, or -1 when none is known.
class Ismn final : public CheckDigitNumber<std::int16_t, IsmnFields> {
 public:
  Ismn();

  // The item's digits after the publisher's.
  const FieldValue& Item() const { return fields().item; }
  // The publisher's 3 to 7 digits.
  const FieldValue& Publisher() const { return fields().publisher; }

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Ismn> {
  static constexpr std::string_view kName = "ismn";
  static constexpr std::string_view kDisplayName = "ISMN";
  static constexpr std::string_view kDescription =
      "International Standard Music Number, 979-0 or M form; EAN-13 check digit";
  static constexpr std::string_view kArea = area::kPublishing;
  // 979-0-3452-4680-5 or M-3452-4680-5: the publisher's element by the
  // standard's ranges, then the item's and the check digit.
  static std::string WrittenForm(std::string_view compact);
  // The same as "prefix", "publisher", "item" and "check_digit".
  static std::vector<WrittenPart> WrittenParts(std::string_view compact);
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Ismn::CheckDigit},
      Property{"Item", &Ismn::Item},
      Property{"Publisher", &Ismn::Publisher},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("979-0-3452-4680-5", R"(Publisher="3452" Item="4680")"),
      Valid("979-0-3217-6543-6", R"(Publisher="3217")"),
      Valid("M321765474"),
      Valid("M-3452-4680-5"),
      // 979-1 opens an ISBN, not an ISMN.
      Invalid("979-1-3452-4680-5", "the digit 1 cannot stand at place 5"),
      Invalid("9790345246806", "check digit should be 5, not 6"),
      Invalid("N345246805", "the letter N cannot stand at place 1"),
      Calculates("M34524680", "5"),
      Calculates("979034524680", "5"),
  };
  // Examples end
};

}  // namespace numerant
