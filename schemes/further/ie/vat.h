// SPDX-License-Identifier: MIT
// ie.vat: the Irish VAT number, in today's form seven digits, a check letter
// and an optional second letter (A or H since 2013; B and W as in the PPS
// number it may be made from), reckoned as ie.pps reckons them. The old form,
// still valid, has a letter, "+" or "*" in second place: 1 letter 5 digits and
// the check letter, reckoned as the seven digits "0", the five digits and the
// first digit.
//   IeVat vat;
//   vat.Calculate("6433435A");       // "O"
//   vat.Check("IE 6433435OA");       // true
//   vat.Check("8D79739I");           // true, the old form
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"
#include "schemes/further/ie/pps.h"

namespace numerant {

struct IeVatFields {
  FieldValue kind;
};

// The check character is "" until known.
class IeVat final : public CheckDigitNumber<std::string, IeVatFields> {
 public:
  IeVat();
  // "new" or "old"; nothing until read.
  const FieldValue& Kind() const { return fields().kind; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
  IePps pps_;
};

template <>
struct Descriptor<IeVat> {
  static constexpr std::string_view kName = "ie.vat";
  static constexpr std::string_view kDisplayName = "VAT number (Ireland)";
  static constexpr std::string_view kDescription =
      "Irish VAT number: 7 digits, check letter and optional second letter, or the old form with a "
      "letter second; modulo 23";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &IeVat::CheckDigit},
      Property{"Kind", &IeVat::Kind},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("6433435OA"),
      Valid("IE 6433435F", R"(Kind="new")"),
      Valid("8D79739I", R"(Kind="old")"),
      Calculates("6433435A", "O"),
      Invalid("6433435E", "check character should be F, not E"),
      Invalid("8?79739J", "the character \"?\" cannot stand at place 2"),
      Invalid("6433435OC", "the letter C cannot stand at place 9"),
  };
  // Examples end
};

}  // namespace numerant
