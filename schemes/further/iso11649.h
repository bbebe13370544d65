// SPDX-License-Identifier: MIT
// iso11649: the structured creditor reference (RF): "RF", two check digits
// and a reference of 1 to 21 digits or letters. With "RF" and the check
// digits moved behind the reference and every letter read as its two digits
// 10 to 35, the whole is 1 modulo 97 (ISO 7064 MOD 97-10).
//   Iso11649 rf;
//   rf.Calculate("RF539007547034");     // "18", Reference "539007547034"
//   rf.Check("RF18 5390 0754 7034");    // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/field_value.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

struct Iso11649Fields {
  FieldValue reference;
};

// The check digits are "" until known, then two digits 02 to 98. They stand
// after "RF"; `Calculate` takes "RF" and the reference.
class Iso11649 final : public Iso7064Number<Iso11649, std::string, Iso11649Fields> {
 public:
  Iso11649();

  // The creditor's reference after the check digits.
  const FieldValue& Reference() const { return fields().reference; }

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<Iso11649> {
  static constexpr std::string_view kName = "iso11649";
  static constexpr std::string_view kDisplayName = "RF creditor reference";
  static constexpr std::string_view kDescription =
      "Structured creditor reference (RF); ISO 7064 MOD 97-10";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::string_view kWrittenForm = "#### *";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Iso11649::CheckDigit},
      Property{"Reference", &Iso11649::Reference},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("RF18 5390 0754 7034", R"(Reference="539007547034")"),
      Valid("RF18 5390 0754 70Y"),
      Valid("RF97XX5ZIC"),
      Valid("RF03SW3EZRUFBK"),
      Invalid("RF17 5390 0754 7034", "check digits should be 18, not 17"),
      Invalid("RG18 5390 0754 7034", "the letter G cannot stand at place 2"),
      Invalid("RF181", "check digits should be 74, not 18"),
      Invalid("RF1", "5 to 25 characters expected, 3 typed"),
      Calculates("RF539007547034", "18"),
  };
  // Examples end
};

}  // namespace numerant
