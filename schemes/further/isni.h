// SPDX-License-Identifier: MIT
// isni and orcid: the International Standard Name Identifier (ISO 27729)
// and the ORCID iD of researchers, which is an ISNI from a block set aside
// for ORCID. Fifteen digits and a check character of ISO 7064 MOD 11-2, "0"
// to "9" or "X" for 10, written in four groups of four.
//   Orcid orcid;
//   orcid.Calculate("000000021825009");        // "7"
//   orcid.Check("0000-0002-1694-233X");        // true
//   Isni isni;
//   isni.Check("ISNI 0000 0001 2281 955X");    // true
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/example.h"
#include "core/families/iso7064_number.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check character is "" until known, then "0" to "9" or "X".
class NameIdentifier : public Iso7064Number<NameIdentifier, std::string> {
 protected:
  explicit NameIdentifier(std::string_view prefix);
};

class Isni final : public NameIdentifier {
 public:
  Isni() : NameIdentifier("ISNI") {}
};

class Orcid final : public NameIdentifier {
 public:
  Orcid() : NameIdentifier({}) {}
};

template <>
struct Descriptor<Isni> {
  static constexpr std::string_view kName = "isni";
  static constexpr std::string_view kDisplayName = "ISNI";
  static constexpr std::string_view kDescription =
      "International Standard Name Identifier; ISO 7064 MOD 11-2 over 15 digits";
  static constexpr std::string_view kArea = area::kPublishing;
  static constexpr std::string_view kWrittenForm = "#### #### #### ####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Isni::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("0000 0001 2281 955X"),
      Valid("ISNI 0000 0001 2281 955X"),
      Calculates("000000012281955", "X"),
      Invalid("0000 0001 2281 9550", "check character should be X, not 0"),
  };
  // Examples end
};

template <>
struct Descriptor<Orcid> {
  static constexpr std::string_view kName = "orcid";
  static constexpr std::string_view kDisplayName = "ORCID iD";
  static constexpr std::string_view kDescription =
      "Researcher's ORCID identifier; ISO 7064 MOD 11-2 over 15 digits";
  static constexpr std::string_view kArea = area::kPublishing;
  static constexpr std::string_view kWrittenForm = "####-####-####-####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Orcid::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("0000-0002-1825-0097"),
      Valid("0000-0002-1694-233X"),
      Invalid("0000-0002-1694-2330", "check character should be X, not 0"),
      Calculates("000000021825009", "7"),
  };
  // Examples end
};

}  // namespace numerant
