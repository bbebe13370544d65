// SPDX-License-Identifier: MIT
#include "schemes/further/be/vat.h"

#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {
namespace {

// The payload of today's form has eight digits, of the old form seven.
constexpr std::size_t kOldPayload = 7;
constexpr std::size_t kPayload = 8;

}  // namespace

BeVat::BeVat()
    : CheckDigitNumber({.separators = " -./",
                        .upper_case = true,
                        .prefixes = {"BE", "(0)"},
                        .payload_lengths = {{kOldPayload, kPayload}},
                        .check_length = 2}) {}

std::optional<std::string> BeVat::ComputeCheckDigit(std::string_view payload) {
  // Only the 0- and the 1-series are issued.
  if (payload.size() == kPayload && payload.front() != '0' && payload.front() != '1')
    return RejectCharacter(0);
  const auto remainder = Remainder97(payload);
  if (!remainder) return RejectNonDigit(payload);
  return TwoDigits(97 - *remainder);
}

}  // namespace numerant
