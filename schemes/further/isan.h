// SPDX-License-Identifier: MIT
// isan: the International Standard Audiovisual Number (ISO 15706): a root of
// twelve hexadecimal digits and an episode of four, then a check character,
// and, in the version form, a version of eight hexadecimal digits and a
// second check character. Each check character is the ISO 7064 MOD 37,36
// character of the hexadecimal digits before it (the first check character
// left out of the second's).
//   Isan isan;
//   isan.Calculate("000000018CFA0000");                    // "I"
//   isan.Check("0000-0001-8CFA-0000-I-0000-0000-K");       // true
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

struct IsanFields {
  FieldValue root;
  FieldValue episode;
  FieldValue version;
};

// The last check character is "" until known, then "0" to "9" or "A" to
// "Z". In the version form the first check character is part of the payload
// and must be right for the second to be computed; a wrong one is reported
// as a character that may not stand there.
class Isan final : public CheckDigitNumber<std::string, IsanFields> {
 public:
  Isan();

  // Hexadecimal digits 13 to 16.
  const FieldValue& Episode() const { return fields().episode; }
  // The first twelve hexadecimal digits.
  const FieldValue& Root() const { return fields().root; }
  // The eight hexadecimal digits of the version; nothing without one.
  const FieldValue& Version() const { return fields().version; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Isan> {
  static constexpr std::string_view kName = "isan";
  static constexpr std::string_view kDisplayName = "ISAN";
  static constexpr std::string_view kDescription =
      "International Standard Audiovisual Number, with or without its version; ISO 7064 MOD "
      "37,36";
  static constexpr std::string_view kArea = area::kPublishing;
  static constexpr std::string_view kWrittenForm =
      "ISAN ####-####-####-####-#|ISAN ####-####-####-####-#-####-####-#";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &Isan::CheckDigit},
      Property{"Episode", &Isan::Episode},
      Property{"Root", &Isan::Root},
      Property{"Version", &Isan::Version},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("00000001800A0000K"),
      Valid("0000-0000-D07A-0090-Q-0000-0000-X", R"(Root="00000000D07A" Episode="0090")"),
      Valid("1881-66C7-3420-6541-Y-9F3A-0245-O", R"(Version="9F3A0245")"),
      Valid("0000-0001-8CFA-0000-I-0000-0000-K"),
      Valid("ISAN 0000-0001-8CFA-0000-I", R"(Version=nothing)"),
      Invalid("0000-0000-D07A-0090-R-0000-0000-X", "the letter R cannot stand at place 21"),
      Invalid("0000-0000-D07A-0090-Q-0000-0000-Y", "check character should be X, not Y"),
      Invalid("0000-0000-G07A-0090-Q", "the letter G cannot stand at place 11"),
      Calculates("000000018CFA0000", "I"),
      Calculates("000000018CFA0000I00000000", "K"),
      Calculates("000000018CFA0000J00000000", ""),
  };
  // Examples end
};

}  // namespace numerant
