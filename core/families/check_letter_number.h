// SPDX-License-Identifier: MIT
// The check-letter numbers: the check character is looked up in a table by
// the remainder of a number taken from the payload, by default its digits
// read as one decimal number or their weighted sum. DNI, PPS, RUN, HETU, NID,
// the Spanish NIE, the Irish PPS number and the Italian codice fiscale differ
// only in their table, their weights, their shape and what they read a number
// from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/check_digit_number.h"
#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {

// The Spanish letters of the remainders modulo 23 (DNI, NIE, NIF).
inline constexpr std::string_view kSpanishCheckLetters = "TRWAGMYFPDXBNJZSQVHLCKE";
// The Irish letters of the remainders modulo 23: "W" for 0, then "A" to "V".
inline constexpr std::string_view kIrishCheckLetters = "WABCDEFGHIJKLMNOPQRSTUV";
static_assert(kSpanishCheckLetters.size() == 23 && kIrishCheckLetters.size() == 23);

struct CheckLetterRule {
  // The check character of each remainder; the table's size is the modulus.
  std::string_view letters;
  // The weight of each payload digit; without weights the digits are read as
  // one decimal number.
  std::span<const std::int16_t> weights = {};
};

template <typename Fields = NoFields>
class CheckLetterNumber : public CheckDigitNumber<std::string, Fields> {
 protected:
  CheckLetterNumber(const NumberShape& shape, const CheckLetterRule& rule)
      : CheckDigitNumber<std::string, Fields>(shape), rule_(rule) {}
  // For a scheme whose check digit reads otherwise before the first call.
  CheckLetterNumber(const NumberShape& shape, const CheckLetterRule& rule, std::string unset,
                    std::string before_first_call)
      : CheckDigitNumber<std::string, Fields>(shape, std::move(unset),
                                              std::move(before_first_call)),
        rule_(rule) {}

  // The number whose remainder picks the letter, never negative; nothing
  // after rejecting the character that stops it. By default the digits of the
  // payload, weighted by the rule or read as one number.
  virtual std::optional<std::uint32_t> LetterNumber(std::string_view payload) {
    if (!rule_.weights.empty()) {
      const auto sum = WeightedDigitSum(payload, rule_.weights);
      if (sum && *sum >= 0) return static_cast<std::uint32_t>(*sum);
      return this->RejectNonDigit(payload);
    }
    // The remainder is kept as the digits come, so any length fits.
    if (payload.empty()) return std::nullopt;
    const auto modulus = static_cast<std::uint32_t>(rule_.letters.size());
    std::uint32_t remainder = 0;
    for (std::size_t i = 0; i < payload.size(); ++i) {
      if (!IsDigit(payload[i])) return this->RejectCharacter(i);
      remainder = (remainder * 10 + static_cast<std::uint32_t>(DigitValue(payload[i]))) % modulus;
    }
    return remainder;
  }

 private:
  std::optional<std::string> ComputeCheckDigit(std::string_view payload) final {
    if (!this->DecodeFields(payload)) return std::nullopt;
    const auto number = LetterNumber(payload);
    if (!number) return std::nullopt;
    return std::string(1, rule_.letters[*number % rule_.letters.size()]);
  }

  CheckLetterRule rule_;
};

}  // namespace numerant
