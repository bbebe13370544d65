// SPDX-License-Identifier: MIT
// Luhn mod N: the Luhn rule over an alphabet of N characters, each counting
// its place in the alphabet. From the right, the last payload character and
// every second one to its left count double, a doubled value of N or more as
// the sum of its two base-N digits; the check character brings the total to
// a multiple of N. The alphabet is 0 to 9 and A to Z (N = 36) unless set
// otherwise; the text is read in capitals.
//   LuhnModN luhn;
//   luhn.Calculate("27AAPFU0939F1Z");   // "V"
//   luhn.SetAlphabet("0123456789");
//   luhn.Calculate("7992739871");       // "3", as plain Luhn
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

class LuhnModN final : public CheckDigitNumber<std::string> {
 public:
  LuhnModN();

  const std::string& Alphabet() const { return alphabet_; }
  // 2 to 256 distinct characters; another alphabet gives no check character.
  void SetAlphabet(std::string_view alphabet) { alphabet_ = alphabet; }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) override;

  std::string alphabet_ = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
};

template <>
struct Descriptor<LuhnModN> {
  static constexpr std::string_view kName = "luhn_mod_n";
  static constexpr std::string_view kDisplayName = "Luhn mod N";
  static constexpr std::string_view kDescription =
      "Building block: the Luhn check character over an alphabet, 0 to 9 and A to Z unless set "
      "otherwise";
  static constexpr std::string_view kArea = area::kBuildingBlocks;
  static constexpr std::tuple kProperties{Property{"Alphabet", &LuhnModN::Alphabet},
                                          Property{"CheckDigit", &LuhnModN::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("27AAPFU0939F1ZV"),
      Calculates("27AAPFU0939F1Z", "V"),
      Invalid("27AAPFU0939F1ZW", "check character should be V, not W"),
      Invalid("27AAPFU0939F1Z?", "check character should be V, not ?"),
  };
  // Examples end
};

}  // namespace numerant
