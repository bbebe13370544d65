// SPDX-License-Identifier: MIT
// lei: the Legal Entity Identifier (ISO 17442): twenty characters, the four
// of the issuing Local Operating Unit, fourteen for the entity and two check
// digits of ISO 7064 MOD 97-10, each letter read as its two digits 10 to 35.
//   Lei lei;
//   lei.Calculate("213800KUD8LAJWSQ9D");   // "15", LouPrefix "2138"
//   lei.Check("213800KUD8LAJWSQ9D15");     // true
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

struct LeiFields {
  FieldValue lou_prefix;
  FieldValue entity_part;
};

// The check digits are "" until known, then two digits 02 to 98.
class Lei final : public Iso7064Number<Lei, std::string, LeiFields> {
 public:
  Lei();

  // Characters 5 to 18, which the issuing unit gives the entity.
  const FieldValue& EntityPart() const { return fields().entity_part; }
  // The first four characters, naming the issuing unit.
  const FieldValue& LouPrefix() const { return fields().lou_prefix; }

  // The fieldless route, with a path of its own for a plain number.
  bool IsValid(std::string_view number) override;

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<Lei> {
  static constexpr std::string_view kName = "lei";
  static constexpr std::string_view kDisplayName = "LEI";
  static constexpr std::string_view kDescription =
      "Legal Entity Identifier; ISO 7064 MOD 97-10 over 18 characters";
  static constexpr std::string_view kArea = area::kSecurities;
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Lei::CheckDigit},
      Property{"EntityPart", &Lei::EntityPart},
      Property{"LouPrefix", &Lei::LouPrefix},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("213800KUD8LAJWSQ9D15", R"(LouPrefix="2138" EntityPart="00KUD8LAJWSQ9D")"),
      Valid("5493001KJTIIGC8Y1R12"),
      Invalid("213800KUD8LXJWSQ9D15", "check digits should be 58, not 15"),
      Calculates("213800KUD8LAJWSQ9D", "15"),
      Invalid("213800KUD8LAJWSQ9D1", "20 characters expected, 19 typed"),
  };
  // Examples end
};

}  // namespace numerant
