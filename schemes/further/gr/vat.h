// SPDX-License-Identifier: MIT
// gr.vat: the Greek VAT number (AFM), nine digits, the old eight-digit form
// being the same without its leading 0; written with the prefix EL (or GR).
// Each of the first eight digits weighs a power of 2, 256 for the first down
// to 2 for the eighth; the check digit is the remainder of the total modulo
// 11, 10 taken as 0.
//   GrVat vat;
//   vat.Calculate("09425921");       // 6
//   vat.Check("EL 094259216");       // true
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
class GrVat final : public CheckDigitNumber<std::int16_t> {
 public:
  GrVat();

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<GrVat> {
  static constexpr std::string_view kName = "gr.vat";
  static constexpr std::string_view kDisplayName = "AFM (Greece)";
  static constexpr std::string_view kDescription =
      "Greek VAT number, 9 digits (8 in the old form); powers of 2, modulo 11";
  static constexpr std::string_view kArea = area::kVat;
  static constexpr std::tuple kProperties{Property{"CheckDigit", &GrVat::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("094259216"),
      Valid("EL 094259216"),
      Valid("GR 94259216"),
      Calculates("09425921", "6"),
      Invalid("EL 123456781", "check digit should be 3, not 1"),
  };
  // Examples end
};

}  // namespace numerant
