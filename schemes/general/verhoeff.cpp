// SPDX-License-Identifier: MIT
#include "schemes/general/verhoeff.h"

#include <cstddef>

#include "core/verhoeff.h"

namespace numerant {
namespace {

constexpr std::size_t kMaxLength = 32767;

}  // namespace

Verhoeff::Verhoeff()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::AtLeast(1)}) {}

bool Verhoeff::IsValid(std::string_view number) {
  // Two digits at least, and within the length limit.
  if (number.size() >= 2 && number.size() <= kMaxLength) {
    if (const auto valid = VerhoeffValid(number)) return *valid;
  }
  return CheckDigitNumber::IsValid(number);
}

std::optional<std::int16_t> Verhoeff::ComputeCheckDigit(std::string_view payload) {
  // The limit counts the check digit too.
  if (payload.size() >= kMaxLength) return std::nullopt;
  if (auto check_digit = VerhoeffCheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
