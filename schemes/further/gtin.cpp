// SPDX-License-Identifier: MIT
#include "schemes/further/gtin.h"

#include <string>

#include "core/alternating_weights.h"
#include "core/check_digit_number.h"
#include "core/whole_number.h"

namespace numerant {
namespace {

// The GS1 prefix from a payload whose 13-digit form starts `shift`
// characters after its own start (-1: the 12-digit form lacks a leading 0).
FieldValue Gs1Prefix(std::string_view payload, int shift) {
  if (shift < 0) return std::string("0").append(payload.substr(0, 2));
  return payload.substr(static_cast<std::size_t>(shift), 3);
}

}  // namespace

Gtin::Gtin() : CheckDigitNumber({.separators = " -", .payload_lengths = {{7, 7}, {11, 13}}}) {}

bool Gtin::IsValid(std::string_view number) {
  const std::size_t n = number.size();
  if (n == 8 || (n >= 12 && n <= 14)) {
    if (const auto valid = whole::Modulo10Valid(number)) return *valid;
  }
  return CheckDigitNumber::IsValid(number);
}

std::optional<std::int16_t> Gtin::ComputeCheckDigit(std::string_view payload) {
  if (fieldless_) return Modulo10CheckDigit(payload);
  if (payload.size() == 13) fields_.indicator_digit = payload.substr(0, 1);
  fields_.gs1_prefix = Gs1Prefix(payload, payload.size() == 11 ? -1 : payload.size() == 13 ? 1 : 0);
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

Sscc::Sscc() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(17)}) {}

std::optional<std::int16_t> Sscc::ComputeCheckDigit(std::string_view payload) {
  fields_.extension_digit = payload.substr(0, 1);
  fields_.gs1_prefix = Gs1Prefix(payload, 1);
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

Gln::Gln() : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(12)}) {}

std::optional<std::int16_t> Gln::ComputeCheckDigit(std::string_view payload) {
  fields_.gs1_prefix = Gs1Prefix(payload, 0);
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
