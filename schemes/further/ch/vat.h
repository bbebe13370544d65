// SPDX-License-Identifier: MIT
// ch.vat: the Swiss VAT number, the enterprise identification number (UID)
// CHE-xxx.xxx.xxx, with or without the mark MWST, TVA, IVA (or TPV) after it.
// The first eight digits weigh 5 4 3 2 7 6 5 4; the check digit is 11 minus
// the remainder modulo 11, 0 for a remainder of 0; 10 is never issued.
//   ChVat vat;
//   vat.Calculate("CHE-107.787.57");   // 7
//   vat.Check("CHE-107.787.577 IVA");  // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "schemes/further/areas.h"

namespace numerant {

// The check digit is -1 until known.
class ChVat final : public CheckDigitNumber<std::int16_t> {
 public:
  ChVat();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<ChVat> {
  static constexpr std::string_view kName = "ch.vat";
  static constexpr std::string_view kDisplayName = "MWST/TVA/IVA number (Switzerland)";
  static constexpr std::string_view kDescription =
      "Swiss VAT number CHE-xxx.xxx.xxx with or without MWST, TVA or IVA; weights 5 4 3 2 7 6 5 4, "
      "modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::string_view kWrittenForm =
      "CHE-###.###.###|CHE-###.###.### ###|CHE-###.###.### ####";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &ChVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("107787577"),
      Valid("CHE-107.787.577 IVA"),
      Valid("CHE-109.910.570 MWST"),
      Valid("CHE-100.155.212"),
      Calculates("CHE-107.787.57", "7"),
      Invalid("CHE-107.787.578 IVA", "check digit should be 7, not 8"),
      Invalid("CHE-107.787.577 VAT", "the letter V cannot stand at place 17"),
  };
  // Examples end
};

}  // namespace numerant
