// SPDX-License-Identifier: MIT
// es.cif: the Spanish company tax code (CIF): the letter of the kind of entity,
// two digits of the province, five of the entity and a check character: the
// Luhn check digit of the seven digits, or the letter "JABCDEFGHI" puts at
// that digit. Companies (A B C D E F G H J U V) mostly carry the digit, other
// bodies (N P Q R S W) the letter; both are accepted for all, and `Calculate`
// gives the one the entity letter mostly carries.
//   EsCif cif;
//   cif.Calculate("J9921658");       // "2"
//   cif.Check("J99216582");          // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The Luhn digit of a CIF's seven digits after the entity letter and the
// letter of the same value; nothing where the entity letter is not one of
// A B C D E F G H J N P Q R S U V W (index 0) or a digit is missing (its
// index, through `rejected_at`).
struct CifCheck {
  char digit;
  char letter;
  // Whether the entity letter's bodies mostly carry the letter.
  bool letter_first;
};
std::optional<CifCheck> CifCheckCharacters(std::string_view payload, std::size_t& rejected_at);
// Either character is taken; the one typed (`found`) counts, and without one
// the entity's usual character.
std::string CifCheckText(const CifCheck& check, std::string_view found);

// The shape of the Spanish tax numbers that carry a digit or a letter.
inline constexpr NumberShape kSpanishTaxNumberShape{
    .separators = " -",
    .upper_case = true,
    .prefixes = {"ES"},
    .payload_letters = true,
    .payload_lengths = Lengths::Exactly(8),
    .check_characters = CheckCharacters::kDigitsAndLetters};

// The check character is "" until known.
class EsCif final : public CheckDigitNumber<std::string> {
 public:
  EsCif();

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
  std::optional<std::string> ComputeCheckDigitAgainst(std::string_view payload,
                                                      std::string_view found) override;
};

template <>
struct Descriptor<EsCif> {
  static constexpr std::string_view kName = "es.cif";
  static constexpr std::string_view kDisplayName = "CIF (Spain)";
  static constexpr std::string_view kDescription =
      "Spanish company tax code: entity letter, 7 digits and a check digit or letter (Luhn)";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &EsCif::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("J99216582"),
      Valid("Q2876031B"),
      Valid("ES B-58378431"),
      Calculates("J9921658", "2"),
      Calculates("Q2876031", "B"),
      Invalid("J99216583", "check character should be 2, not 3"),
      Invalid("O12345674", "the letter O cannot stand at place 1"),
  };
  // Examples end
};

}  // namespace numerant
