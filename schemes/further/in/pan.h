// SPDX-License-Identifier: MIT
// in_.pan: the Indian Permanent Account Number of the Income Tax
// Department.
//
// Five letters, four digits (not 0000) and a letter; the fourth letter
// tells the kind of holder (P an individual, C a company, ...). The number
// has no check character: the last letter is not computed from the others,
// so `Calculate` gives "" and `Complete` nothing. GSTIN embeds the PAN and
// reads it by the same rule.
//   InPan pan;
//   pan.Check("ACUPA7085R");   // true, HolderType "individual"
#pragma once

#include <cstddef>
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

// The kind of holder a PAN's fourth letter names; nothing for a letter the
// Income Tax Department does not give.
std::optional<std::string_view> PanHolderType(char letter);

// The place (from 0) of the first character of a 10-character PAN that may
// not stand there; nothing for a PAN of the right shape.
std::optional<std::size_t> PanFault(std::string_view pan);

struct InPanFields {
  FieldValue holder_type;
};

// No check character: the check digit stays "".
class InPan final : public CheckDigitNumber<std::string, InPanFields> {
 public:
  InPan();

  // In words: "individual", "company", ...; nothing until a number is read.
  const FieldValue& HolderType() const { return fields().holder_type; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<InPan> {
  static constexpr std::string_view kName = "in_.pan";
  static constexpr std::string_view kDisplayName = "PAN";
  static constexpr std::string_view kDescription =
      "Indian Permanent Account Number, five letters, four digits, a letter; no check digit";
  static constexpr std::string_view kArea = area::kCompanies;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &InPan::CheckDigit},
      Property{"HolderType", &InPan::HolderType},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("ACUPA7085R", R"(HolderType="individual" CheckDigit="")"),
      Valid("AAKFD7113K", R"(HolderType="firm")"),
      Calculates("ACUPA7085R", ""),
      Invalid("ABMXA3211G", "the letter X cannot stand at place 4"),  // no holder type X
      Invalid("ACUPA0000R", "the digit 0 cannot stand at place 9"),
      Invalid("ABMPA32111", "the digit 1 cannot stand at place 10"),
  };
  // Examples end
};

}  // namespace numerant
