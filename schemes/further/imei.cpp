// SPDX-License-Identifier: MIT
#include "schemes/further/imei.h"

#include "core/alternating_weights.h"
#include "core/text.h"
#include "core/whole_number.h"

namespace numerant {
namespace {

constexpr std::size_t kImei = 14;
// An IMEISV less its last digit, which `Check` cuts off as if it were a
// check digit.
constexpr std::size_t kImeisv = 15;

}  // namespace

Imei::Imei() : CheckDigitNumber({.separators = " -", .payload_lengths = {{kImei, kImeisv}}}) {}

bool Imei::IsValid(std::string_view number) {
  // An IMEI, or an IMEISV, which is valid when it is sixteen digits.
  if (number.size() == kImei + 1) {
    if (const auto valid = whole::LuhnValid(number)) return *valid;
  } else if (number.size() == kImeisv + 1 && whole::AllDigits(number)) {
    return true;
  }
  return CheckDigitNumber::IsValid(number);
}

std::optional<std::int16_t> Imei::ComputeCheckDigit(std::string_view payload) {
  fields_.reporting_body = payload.substr(0, 2);
  fields_.tac = payload.substr(0, 8);
  fields_.serial = payload.substr(8, 6);
  fields_.kind = "IMEI";
  // Fifteen digits are a whole IMEI, not a payload.
  if (payload.size() != kImei) return std::nullopt;
  if (auto check_digit = LuhnCheckDigit(payload)) {
    fields_.has_check_digit = true;
    return check_digit;
  }
  return RejectNonDigit(payload);
}

std::optional<std::int16_t> Imei::ComputeCheckDigitAgainst(std::string_view payload,
                                                           std::string_view found) {
  if (payload.size() == kImei) return ComputeCheckDigit(payload);
  ComputeCheckDigit(payload);
  fields_.kind = "IMEISV";
  fields_.software_version = std::string(payload.substr(kImei)).append(found);
  for (std::size_t i = 0; i < payload.size(); ++i) {
    if (!IsDigit(payload[i])) return RejectCharacter(i);
  }
  // No check digit: the last digit stands for itself, and any other
  // character fails as a check digit would.
  if (found.size() != 1 || !IsDigit(found.front())) return 0;
  return static_cast<std::int16_t>(DigitValue(found.front()));
}

}  // namespace numerant
