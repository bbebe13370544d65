// GRid: the 18-character release identifier (identifier scheme, issuer
// code, release number, one check character). The check character is the
// hybrid ISO/IEC 7064 MOD 37,36 system over digits and letters.
//   GRid grid;
//   grid.Calculate("A1-2425G-ABC1234002");  // "M"
//   grid.Check("a1-2425g-abc1234002-m");    // true
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

// The check digit is "0" to "9" or "A" to "Z"; "" when none is known.
class GRid final : public CheckDigitNumber<std::string> {
 public:
  GRid();

  const std::string& IdentifierScheme() const { return identifier_scheme_; }
  const std::string& IssueCode() const { return issue_code_; }
  const std::string& ReleaseNumber() const { return release_number_; }

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;
  void ResetFields() override;

  std::string identifier_scheme_;
  std::string issue_code_;
  std::string release_number_;
};

template <>
struct Descriptor<GRid> {
  static constexpr std::string_view kName = "GRid";
  static constexpr std::tuple kProperties{
      Property{"CheckDigit", &GRid::CheckDigit},
      Property{"IdentifierScheme", &GRid::IdentifierScheme},
      Property{"IssueCode", &GRid::IssueCode},
      Property{"ReleaseNumber", &GRid::ReleaseNumber},
  };
};

}  // namespace numerant
