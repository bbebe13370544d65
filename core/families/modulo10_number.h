// SPDX-License-Identifier: MIT
// The numbers of alternating weights 3 and 1 modulo 10: a payload of digits
// followed by the check digit that brings the sum, the rightmost payload
// digit and every second one to its left counting three times, up to a
// multiple of 10. Modulo10, ACL and BOL differ only in their payload lengths
// and fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/alternating_weights.h"
#include "core/check_digit_number.h"

namespace numerant {

template <typename Fields = NoFields>
class Modulo10Number : public CheckDigitNumber<std::int16_t, Fields> {
 protected:
  explicit Modulo10Number(Lengths payload_lengths)
      : CheckDigitNumber<std::int16_t, Fields>(
            {.separators = " -", .payload_lengths = payload_lengths}) {}

 private:
  std::optional<std::int16_t> ComputeCheckDigit(std::string_view payload) final {
    if (!this->DecodeFields(payload)) return std::nullopt;
    if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
    return this->RejectNonDigit(payload);
  }
};

}  // namespace numerant
