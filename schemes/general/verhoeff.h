// SPDX-License-Identifier: MIT
// Verhoeff: one decimal check digit from the dihedral group of order 10.
//
// It catches every single-digit error and every swap of adjacent digits, for
// payloads of any length:
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/check_digit_number.h"
#include "core/example.h"
#include "core/scheme.h"
#include "core/verhoeff.h"

namespace numerant {

class Verhoeff final : public CheckDigitNumber<std::int16_t> {
 public:
  Verhoeff();

  // Inline, so that a batch checked through the `Scheme` interface reaches
  // the whole-number test in one call.
  bool IsValid(std::string_view number) override {
    // Two digits at least, and within the length limit.
    if (number.size() >= 2 && number.size() <= kMaxLength) {
      if (const auto valid = VerhoeffValid(number)) return *valid;
    }
    return CheckDigitNumber::IsValid(number);
  }

 private:
  // The longest number, check digit included.
  static constexpr std::size_t kMaxLength = 32767;

  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) override;
};

template <>
struct Descriptor<Verhoeff> {
  static constexpr std::string_view kName = "Verhoeff";
  static constexpr std::string_view kDescription =
      "Any string of digits; the Verhoeff scheme, which catches every single-digit error and every "
      "swap of neighbours";
  static constexpr std::tuple kProperties{Property{"CheckDigit", &Verhoeff::CheckDigit}};
  // Examples begin
  static constexpr Example kExamples[] = {
      Valid("2363"),
      Valid("123451"),
      Valid("84736430950"),
      // blanks and hyphens are ignored
      Valid("2-3 6 3"),
      Valid("04"),
      Calculates("236", "3"),
      Calculates("0", "4"),
      Calculates("8473643095", "0"),
      Calculates("23a6", "-1"),
      // the payload's digit stays
      Invalid("1234", "check digit should be 3, not 4", "CheckDigit=3"),
  };
  // Examples end
};

}  // namespace numerant
