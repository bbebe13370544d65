// SPDX-License-Identifier: MIT
// The ISO 7064 systems as building blocks, over texts of any length, the
// check characters at the end:
//   MOD 11-2   digits; one check character "0" to "9" or "X" (ISNI, ORCID)
//   MOD 37-2   digits and capitals; one of "0" to "9", "A" to "Z" or "*"
//   MOD 97-10  digits and capitals (a capital as its two digits 10 to 35);
//              two check digits 02 to 98 (IBAN, LEI, RF)
//   MOD 11,10  digits; one check digit (NIH, the German tax number)
//   MOD 37,36  digits and capitals; one check character (GRid, ISAN)
//   Iso7064Mod112 mod;
//   mod.Calculate("000000021825009");   // "7"
//   mod.Check("0000-0002-1694-233X");  // true
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The shape of a building block: any payload the system reads, upper-cased
// where a letter may stand (the "X" of MOD 11-2 among them).
constexpr NumberShape Iso7064BlockShape(Iso7064System system) {
  using enum Iso7064System;
  NumberShape shape{.upper_case = system != kMod11_10,
                    .payload_letters = ReadsLetters(system),
                    .payload_lengths = Lengths::AtLeast(1),
                    .check_length = system == kMod97_10 ? 2u : 1u};
  if (system == kMod11_2 || system == kMod37_36)
    shape.check_characters = CheckCharacters::kDigitsAndLetters;
  if (system == kMod37_2) shape.check_characters = CheckCharacters::kAny;
  return shape;
}

// MOD 11,10's check digit is 0 to 9, or -1 when none is known; the others'
// check characters are texts.
template <Iso7064System kSystem>
using Iso7064BlockValue =
    std::conditional_t<kSystem == Iso7064System::kMod11_10, std::int16_t, std::string>;

template <Iso7064System kSystem>
class Iso7064Block final : public Iso7064Number<Iso7064Block<kSystem>, Iso7064BlockValue<kSystem>> {
 public:
  Iso7064Block()
      : Iso7064Number<Iso7064Block<kSystem>, Iso7064BlockValue<kSystem>>(
            kSystem, Iso7064BlockShape(kSystem)) {}
};

using Iso7064Mod112 = Iso7064Block<Iso7064System::kMod11_2>;
using Iso7064Mod372 = Iso7064Block<Iso7064System::kMod37_2>;
using Iso7064Mod9710 = Iso7064Block<Iso7064System::kMod97_10>;
using Iso7064Mod1110 = Iso7064Block<Iso7064System::kMod11_10>;
using Iso7064Mod3736 = Iso7064Block<Iso7064System::kMod37_36>;

template <>
struct Descriptor<Iso7064Mod112> {
  static constexpr std::string_view kName = "iso7064.mod_11_2";
  static constexpr std::string_view kDisplayName = "ISO 7064 MOD 11-2";
  static constexpr std::string_view kDescription =
      "Building block: the ISO 7064 MOD 11-2 check character (0 to 9 or X) of any string of digits";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iso7064Mod112::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("079X"),
      Calculates("079", "X"),
      Invalid("0795", "check character should be X, not 5"),
  };
  // Examples end
};

template <>
struct Descriptor<Iso7064Mod372> {
  static constexpr std::string_view kName = "iso7064.mod_37_2";
  static constexpr std::string_view kDisplayName = "ISO 7064 MOD 37-2";
  static constexpr std::string_view kDescription =
      "Building block: the ISO 7064 MOD 37-2 check character (0 to 9, A to Z or *) of any string "
      "of digits and letters";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iso7064Mod372::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("G123489654321Y"),
      Calculates("G123489654321", "Y"),
      Invalid("G123489654321Z", "check character should be Y, not Z"),
  };
  // Examples end
};

template <>
struct Descriptor<Iso7064Mod9710> {
  static constexpr std::string_view kName = "iso7064.mod_97_10";
  static constexpr std::string_view kDisplayName = "ISO 7064 MOD 97-10";
  static constexpr std::string_view kDescription =
      "Building block: the two ISO 7064 MOD 97-10 check digits of any string of digits and "
      "letters, each letter read as 10 to 35";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iso7064Mod9710::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("213800KUD8LAJWSQ9D15"),
      Invalid("213800KUD8LAJWSQ9D16", "check digits should be 15, not 16"),
      Calculates("539007547034RF", "18"),
  };
  // Examples end
};

template <>
struct Descriptor<Iso7064Mod1110> {
  static constexpr std::string_view kName = "iso7064.mod_11_10";
  static constexpr std::string_view kDisplayName = "ISO 7064 MOD 11,10";
  static constexpr std::string_view kDescription =
      "Building block: the ISO 7064 MOD 11,10 check digit of any string of digits";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iso7064Mod1110::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("07945"),
      Calculates("0794", "5"),
      Invalid("07946", "check digit should be 5, not 6"),
  };
  // Examples end
};

template <>
struct Descriptor<Iso7064Mod3736> {
  static constexpr std::string_view kName = "iso7064.mod_37_36";
  static constexpr std::string_view kDisplayName = "ISO 7064 MOD 37,36";
  static constexpr std::string_view kDescription =
      "Building block: the ISO 7064 MOD 37,36 check character (0 to 9 or A to Z) of any string of "
      "digits and letters";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Iso7064Mod3736::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("A12425GABC1234002M"),
      Calculates("A12425GABC1234002", "M"),
      Invalid("A12425GABC1234002N", "check character should be M, not N"),
  };
  // Examples end
};

}  // namespace numerant
