// SPDX-License-Identifier: MIT
#include "schemes/further/ca/bn.h"

#include <algorithm>
#include <array>

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kDigits = 8;
constexpr std::size_t kAccount = 6;
constexpr std::array<std::string_view, 6> kPrograms{"RC", "RM", "RP", "RR", "RT", "RZ"};

}  // namespace

CaBn::CaBn()
    : CheckDigitNumber(
          {.separators = " -",
           .upper_case = true,
           .payload_letters = true,
           .payload_lengths = {{kDigits, kDigits}, {kDigits + kAccount, kDigits + kAccount}},
           .check_place = kDigits}) {}

std::optional<std::int16_t> CaBn::ComputeCheckDigit(std::string_view payload) {
  const std::string_view digits = payload.substr(0, std::min(kDigits, payload.size()));
  if (payload.size() > kDigits) {
    const std::string_view program = payload.substr(kDigits, 2);
    fields_.program = program;
    fields_.reference = payload.substr(kDigits + 2);
    if (std::find(kPrograms.begin(), kPrograms.end(), program) == kPrograms.end()) {
      // The first letter that no program has there.
      const bool first_fits = !program.empty() && program.front() == 'R';
      return RejectCharacter(kDigits + (first_fits ? 1 : 0));
    }
    for (std::size_t i = kDigits + 2; i < payload.size(); ++i) {
      if (!IsDigit(payload[i])) return RejectCharacter(i);
    }
  }
  if (auto check_digit = LuhnCheckDigit(digits)) return check_digit;
  return RejectNonDigit(digits);
}

}  // namespace numerant
