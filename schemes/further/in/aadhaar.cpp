// SPDX-License-Identifier: MIT
#include "schemes/further/in/aadhaar.h"

#include <algorithm>
#include <string>

#include "core/verhoeff.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 11;

}  // namespace

InAadhaar::InAadhaar()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayload)}) {}

std::optional<std::int16_t> InAadhaar::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  // 0 and 1 open no Aadhaar number.
  if (payload.front() < '2' || payload.front() > '9') return RejectCharacter(0);
  const auto check_digit = VerhoeffCheckDigit(payload);
  if (!check_digit) return RejectNonDigit(payload);
  std::string whole(payload);
  whole += static_cast<char>('0' + *check_digit);
  if (std::equal(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2),
                 whole.rbegin()))
    return std::nullopt;
  return check_digit;
}

}  // namespace numerant
