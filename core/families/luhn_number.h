// SPDX-License-Identifier: MIT
// The Luhn numbers: a payload of digits followed by one check digit, the Luhn
// digit of the payload or of a fixed prefix followed by the payload.
// Creditcard, DUNS, NPI, OPC, PNR, SIN, SIREN and UIC differ only in their
// payload lengths, prefix and fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/alternating_weights.h"
#include "core/check_digit_number.h"

namespace numerant {

struct LuhnNumberRule {
  Lengths payload_lengths;
  // Digits put in front of the payload before the Luhn digit is taken.
  std::string_view prefix = {};
};

template <typename Fields = NoFields>
class LuhnNumber : public CheckDigitNumber<std::int16_t, Fields> {
 protected:
  explicit LuhnNumber(const LuhnNumberRule& rule)
      : CheckDigitNumber<std::int16_t, Fields>(
            {.separators = " -", .payload_lengths = rule.payload_lengths}),
        prefix_(rule.prefix) {}

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) final {
    if (!this->DecodeFields(payload)) return std::nullopt;
    std::string_view digits = payload;
    if (!prefix_.empty()) {
      // Prefix and payload together, up to 15 digits, fit the string's own
      // space, so this does not allocate.
      digits_.assign(prefix_).append(payload);
      digits = digits_;
    }
    if (auto check_digit = LuhnCheckDigit(digits)) return check_digit;
    // The prefix is all digits: the fault lies in the payload.
    return this->RejectNonDigit(payload);
  }

  std::string_view prefix_;
  std::string digits_;
};

}  // namespace numerant
