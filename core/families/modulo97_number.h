// SPDX-License-Identifier: MIT
// The modulo-97 numbers: a payload of digits followed by two check digits,
// the remainder of the payload read as one decimal number divided by 97
// ("00" to "96"), or 97 minus that remainder ("01" to "97"). Modulo97, OGM,
// BTW, SIS and INSZ differ only in their separators, payload lengths,
// direction and fields. The check digits are the integer -1 until they are
// known, then a text of two digits.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/check_digit_number.h"
#include "core/field_value.h"
#include "core/modulo97.h"
#include "core/text.h"

namespace numerant {

struct Modulo97NumberRule {
  std::string_view separators;
  Lengths payload_lengths;
  // The check digits are 97 minus the remainder.
  bool reverse = false;
};

template <typename Fields = NoFields>
class Modulo97Number : public CheckDigitNumber<FieldValue, Fields> {
 protected:
  explicit Modulo97Number(const Modulo97NumberRule& rule)
      : CheckDigitNumber<FieldValue, Fields>({.separators = rule.separators,
                                              .payload_lengths = rule.payload_lengths,
                                              .check_length = 2}),
        reverse_(rule.reverse) {}

  bool reverse_;

 private:
  static constexpr std::int32_t kModulus = 97;
  // The payload's value leaves out these marks wherever they stand, after the
  // length has been taken with them: the numbers were first worked out by a
  // general modulo-97 object that dropped them from the payload it was given.
  // So OGM, which keeps hyphens and full stops, counts them towards its ten
  // characters but not towards the value, and INSZ so counts plus signs and
  // slashes.
  static constexpr std::string_view kMarksLeftOut = " -.+/";
  static constexpr std::uint64_t kMarkBits = LowCharacterBits(kMarksLeftOut);
  static_assert(std::popcount(kMarkBits) == kMarksLeftOut.size(), "every mark below code 64");

  std::optional<FieldValue> ComputeCheckDigit(std::string_view payload) final {
    if (!this->DecodeFields(payload)) return std::nullopt;
    Remainder97Builder remainder;
    bool any_digit = false;
    for (std::size_t i = 0; i < payload.size(); ++i) {
      if (InLowCharacterBits(kMarkBits, payload[i])) continue;
      if (!IsDigit(payload[i])) return this->RejectCharacter(i);
      remainder.AppendDigit(static_cast<unsigned>(DigitValue(payload[i])));
      any_digit = true;
    }
    // Nothing but marks: no number to divide.
    if (!any_digit) return std::nullopt;
    const std::int32_t value = remainder.Remainder();
    // Reversed, 97 - 0 gives 97, never 00.
    return FieldValue(TwoDigits(reverse_ ? kModulus - value : value));
  }
};

}  // namespace numerant
