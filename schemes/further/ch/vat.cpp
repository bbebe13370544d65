// SPDX-License-Identifier: MIT
#include "schemes/further/ch/vat.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// The UID's digits before its check digit.
constexpr std::size_t kDigits = 8;
constexpr std::array<std::int16_t, kDigits> kWeights{5, 4, 3, 2, 7, 6, 5, 4};
// The VAT mark in German, French, Italian and Romansh.
constexpr std::array<std::string_view, 4> kMarks{"MWST", "TVA", "IVA", "TPV"};

}  // namespace

ChVat::ChVat()
    : CheckDigitNumber({.separators = " -.",
                        .upper_case = true,
                        .prefixes = {"CHE"},
                        .payload_letters = true,
                        .payload_lengths = {{kDigits, kDigits}, {kDigits + 3, kDigits + 4}},
                        .check_place = kDigits}) {}

std::optional<std::int16_t> ChVat::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload.substr(0, kDigits), kWeights);
  if (!sum) return RejectNonDigit(payload);
  const std::string_view mark = payload.substr(kDigits);
  if (!mark.empty()) {
    bool known = false;
    for (std::string_view each : kMarks)
      known = known || mark == each;
    if (!known) {
      // The first character that no mark of this length has there.
      for (std::size_t i = 0; i < mark.size(); ++i) {
        bool fits = false;
        for (std::string_view each : kMarks) {
          fits = fits ||
                 (each.size() == mark.size() && each.substr(0, i + 1) == mark.substr(0, i + 1));
        }
        if (!fits) return RejectCharacter(kDigits + i);
      }
    }
  }
  // 11 minus the remainder, 0 for a remainder of 0; 10 is no digit.
  return static_cast<std::int16_t>((11 - *sum % 11) % 11);
}

}  // namespace numerant
