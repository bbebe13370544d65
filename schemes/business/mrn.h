// MRN: a code of any length followed by a check digit computed in the Luhn
// manner, except that no character is refused: each counts with its code
// minus the code of "0", so upper-case letters count 17 ("A") to 42 ("Z").
//   MRN mrn;
//   mrn.Calculate("7992739871");   // 3, the Luhn digit
//   mrn.Calculate("ab-12");        // 9, as AB12
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/scheme.h"

namespace numerant {

class MRN final : public CheckDigitNumber<std::int16_t> {
 public:
  MRN();

 private:
  bool AcceptsStemLength(std::size_t length) const override;
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) override;
};

template <>
struct Descriptor<MRN> {
  static constexpr std::string_view kName = "MRN";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &MRN::CheckDigit}};
};

}  // namespace numerant
