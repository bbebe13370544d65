// SPDX-License-Identifier: MIT
// GRid: the 18-character global release identifier (identifier scheme, issuer
// code, release number, one check character). The check character is the
// hybrid ISO/IEC 7064 MOD 37,36 system over digits and letters: "0" to "9"
// count 0 to 9 and "A" to "Z" 10 to 35; starting from 36, each character
// gives t = (value + product) mod 36, taken as 36 when 0, and the next
// product 2t mod 37; the check character's value is (37 - the last product)
// mod 36.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"

namespace numerant {

struct GridFields {
  std::string identifier_scheme;
  std::string issue_code;
  std::string release_number;
};

// The check digit is "0" to "9" or "A" to "Z"; "" when none is known.
class GRid final : public Iso7064Number<GRid, std::string, GridFields> {
 public:
  GRid();

  const std::string& IdentifierScheme() const { return fields().identifier_scheme; }
  const std::string& IssueCode() const { return fields().issue_code; }
  const std::string& ReleaseNumber() const { return fields().release_number; }

 private:
  friend Iso7064Number;
  bool DecodeFields(std::string_view payload) override;
};

template <>
struct Descriptor<GRid> {
  static constexpr std::string_view kName = "GRid";
  static constexpr std::string_view kDescription =
      "Global Release Identifier for music releases; ISO 7064 MOD 37,36 over digits and letters";
  static constexpr std::string_view kWrittenForm = "##-#####-##########-#";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &GRid::CheckDigit},
      Property{"IdentifierScheme", &GRid::IdentifierScheme},
      Property{"IssueCode", &GRid::IssueCode},
      Property{"ReleaseNumber", &GRid::ReleaseNumber},
  };
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("A12425GABC1234002M"),
      Valid("a1-2425g-abc1234002-m", R"(CheckDigit="M")"),
      Calculates("A1-2425G-ABC1234002", "M",
                 R"(IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC1234002")"),
      Calculates(
          "a1 2425g abc123400_", "",
          R"(CheckDigit="" IdentifierScheme="A1" IssueCode="2425G" ReleaseNumber="ABC123400_")"),
      Invalid("A12425GABC1234002", "18 characters expected, 17 typed"),
      Invalid("A1-2425G-ABC123400_-M", "the character \"_\" cannot stand at place 19"),
      Invalid("A12425GABC1234002_", "the character \"_\" cannot stand at place 18"),
  };
  // Examples end
};

}  // namespace numerant
