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
#include <limits>
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
  // The weight of each payload digit, none negative; without weights the
  // digits are read as one decimal number.
  std::span<const std::int16_t> weights = {};
};

// `Format` is the final class of the format itself, which derives from this.
template <typename Format, typename Fields = NoFields>
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

  // What `LetterNumber` gives for a payload that has no number.
  static constexpr std::int64_t kNoNumber = -1;

  // The number whose remainder picks the letter, never negative; kNoNumber
  // after rejecting the character that stops it, or when the payload has no
  // number. By default the digits of the payload, weighted by the rule or
  // read as one number. (A plain integer rather than an optional: this is
  // called for every number, and the compiler returns an optional through
  // memory.)
  virtual std::int64_t LetterNumber(std::string_view payload) {
    if (!rule_.weights.empty()) return WeightedSum(payload);
    if (payload.empty()) return kNoNumber;
    // The digits read as one number, taken down to its remainder only when
    // it grows near the top of 32 bits, so any length fits and a number of
    // up to eight digits is never divided here.
    constexpr std::uint32_t kReduceFrom = 1U << 28;
    const auto modulus = static_cast<std::uint32_t>(rule_.letters.size());
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < payload.size(); ++i) {
      if (!IsDigit(payload[i])) return NoNumberAt(i);
      if (value >= kReduceFrom) value %= modulus;
      value = value * 10 + static_cast<std::uint32_t>(DigitValue(payload[i]));
    }
    return value;
  }

  // Ends `LetterNumber` on a character that may not stand at the payload's
  // place `index`.
  std::int64_t NoNumberAt(std::size_t index) {
    this->RejectCharacter(index);
    return kNoNumber;
  }

 private:
  // The weighted digit sum in 16-bit arithmetic; no number when it leaves
  // the range, or when the weights do not pair off with the digits.
  std::int64_t WeightedSum(std::string_view payload) {
    const std::int32_t sum = PlainWeightedDigitSum(payload, rule_.weights);
    if (sum != kNoDigitSum) return sum;
    this->RejectNonDigit(payload);
    return kNoNumber;
  }

  std::optional<std::string> ComputeCheckDigit(std::string_view payload) final {
    // Reached through the format's own class, which is final, the hooks are
    // called directly rather than through the table of virtual functions; a
    // format that overrides them privately names this base its friend.
    Format& self = static_cast<Format&>(*this);
    if (!self.DecodeFields(payload)) return std::nullopt;
    const std::int64_t number = self.LetterNumber(payload);
    if (number < 0) return std::nullopt;
    // A number of 32 bits, as nearly all are, is divided in 32 bits.
    const std::size_t modulus = rule_.letters.size();
    const std::size_t remainder =
        number <= std::numeric_limits<std::uint32_t>::max()
            ? static_cast<std::uint32_t>(number) % static_cast<std::uint32_t>(modulus)
            : static_cast<std::uint64_t>(number) % modulus;
    // Made in its place: moving a short text copies it once more.
    return std::optional<std::string>(std::in_place, 1, rule_.letters[remainder]);
  }

  CheckLetterRule rule_;
};

}  // namespace numerant
