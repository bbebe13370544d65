// SPDX-License-Identifier: MIT
// es.nie: the Spanish foreigner's identity number (NIE): X, Y or Z, seven
// digits and a check letter, the DNI's letter of the eight digits that the
// first letter's 0, 1 or 2 and the seven make.
//   EsNie nie;
//   nie.Calculate("X2482300");       // "W"
//   nie.Check("x-2482300w");         // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/check_letter_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check character is "" until known.
class EsNie final : public CheckLetterNumber<EsNie> {
 public:
  EsNie();

 private:
  friend CheckLetterNumber;
  std::int64_t LetterNumber(std::string_view payload) override;
};

template <>
struct Descriptor<EsNie> {
  static constexpr std::string_view kName = "es.nie";
  static constexpr std::string_view kDisplayName = "NIE (Spain)";
  static constexpr std::string_view kDescription =
      "Spanish foreigner's identity number: X, Y or Z, 7 digits and the DNI letter";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &EsNie::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("X2482300W"),
      Valid("x-2482300w"),
      Calculates("X2482300", "W"),
      Invalid("x-2482300a", "check character should be W, not A"),
      Invalid("A2482300W", "the letter A cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
