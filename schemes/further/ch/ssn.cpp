// SPDX-License-Identifier: MIT
#include "schemes/further/ch/ssn.h"

#include "core/alternating_weights.h"
#include "core/text.h"

namespace numerant {
namespace {

// Every number starts with Switzerland's GS1 prefix.
constexpr std::string_view kPrefix = "756";

}  // namespace

ChSsn::ChSsn() : CheckDigitNumber({.separators = " .", .payload_lengths = Lengths::Exactly(12)}) {}

std::optional<std::int16_t> ChSsn::ComputeCheckDigit(std::string_view payload) {
  for (std::size_t i = 0; i < kPrefix.size() && i < payload.size(); ++i) {
    if (payload[i] != kPrefix[i]) return RejectCharacter(i);
  }
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
