// SPDX-License-Identifier: MIT
// in_.gstin: the Indian Goods and Services Tax Identification Number.
//
// Fifteen characters: the two-digit code of the state of registration, the
// holder's PAN, the registration's number within that state and PAN (1 to 9,
// then A to Z), the letter Z, and a check character over the fourteen: Luhn
// over the alphabet 0 to 9, A to Z, modulo 36.
//   27 AAPFU0939F 1 Z V: Maharashtra, the first registration of the PAN.
//   InGstin gstin;
//   gstin.Calculate("27AAPFU0939F1Z");   // "V"
//   gstin.Check("27AAPFU0939F1ZV");      // true, StateCode "27", Pan "AAPFU0939F"
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

namespace numerant {

struct InGstinFields {
  FieldValue state_code;
  FieldValue pan;
};

// The check character is "" until known.
class InGstin final : public CheckDigitNumber<std::string, InGstinFields> {
 public:
  InGstin();

  // The embedded PAN, its ten characters.
  const FieldValue& Pan() const { return fields().pan; }
  // The two digits of the state or territory of registration.
  const FieldValue& StateCode() const { return fields().state_code; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<InGstin> {
  static constexpr std::string_view kName = "in_.gstin";
  static constexpr std::string_view kDisplayName = "GSTIN";
  static constexpr std::string_view kDescription =
      "Indian GST identification number with the holder's PAN; Luhn modulo 36";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &InGstin::CheckDigit},
      Property{"Pan", &InGstin::Pan},
      Property{"StateCode", &InGstin::StateCode},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("27AAPFU0939F1ZV", R"(StateCode="27" Pan="AAPFU0939F")"),
      Valid("29aagcb7383j1z4"),
      Valid("38AAPFU0939F1ZS"),  // Ladakh
      Valid("97AAPFU0939F1ZO"),  // other territory
      Calculates("27AAPFU0939F1Z", "V"),
      Invalid("27AAPFU0939F0ZW", "the digit 0 cannot stand at place 13"),  // registration 0
      Invalid("27AAPFU0939F1AA", "the letter A cannot stand at place 14"),
      // The embedded PAN's holder type.
      Invalid("27AAPXU0939F1ZV", "the letter X cannot stand at place 6"),
      Invalid("00AAPFU0939F1ZV", "the digit 0 cannot stand at place 2"),
  };
  // Examples end
};

}  // namespace numerant
