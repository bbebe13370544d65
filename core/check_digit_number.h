// SPDX-License-Identifier: MIT
// The common course of every scheme class.
//
// Normalising resets the check digit and the fields, removes the scheme's
// separators wherever they stand and, where the scheme asks for it,
// upper-cases the text. `Calculate` computes on a payload of an accepted
// length. `Check` cuts the check characters out of their place (the end of
// the number, or a fixed place inside it), computes on the rest and compares:
// a numeric check digit with `DigitMatches`, so that a computed value outside
// 0 to 9 (10, 11, or -1 where a rule maps a remainder to it) is matched by no
// character; a check text exactly, case included. `Check` and `Explain` are
// one walk: `Check` answers whether the walk ends valid, `Explain` says where
// it ended. `Complete` gives the payload with its check characters in their
// place. `IsValid` is the fieldless route: `Check`'s answer without the
// explanation's bookkeeping, without keeping the check digit and, in the
// computing steps that look at `fieldless_`, without cutting fields.
//
// A scheme derives from `CheckDigitNumber<V, F>` with V its kind of check
// digit (std::int16_t, std::string or FieldValue) and F the struct of its
// fields (reset by assignment before every number), hands it its
// `NumberShape` and gives
//   std::optional<V> ComputeCheckDigit(std::string_view payload);
// which gives nothing when the payload has no check digit: through
// `RejectCharacter(i)` when the payload's character i may not stand there,
// or plain std::nullopt when the rule has no value for it. Fields it fills
// before giving up stay filled, so a rejected number still shows what could
// be read from it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/field_value.h"
#include "core/finding.h"
#include "core/number_shape.h"
#include "core/text.h"

namespace numerant {

// The fields of a scheme that decodes none.
struct NoFields {};

// The part of the course that does not depend on the kinds of check digit
// and fields.
class NumberCourse {
 public:
  const NumberShape& Shape() const { return shape_; }

  // The number without separators, folded and without its prefixes as the
  // scheme reads it. Where a removed prefix would leave another to remove,
  // the prefix stays, so that compacting again changes nothing.
  std::string Compact(std::string_view number);

 protected:
  explicit NumberCourse(const NumberShape& shape) : shape_(shape) {}
  NumberCourse(const NumberCourse&) = default;
  NumberCourse& operator=(const NumberCourse&) = default;
  virtual ~NumberCourse() = default;

  // The text without separators, upper-cased where the scheme asks for it;
  // valid until the next call and while the caller's text lives. Inline, as
  // is Split, because every Check walks it: always, as the compiler would
  // otherwise keep one copy for the four callers of each format.
  [[gnu::always_inline]] std::string_view NormaliseText(std::string_view number) {
    // A number with nothing to strip or fold is used as the caller gave it.
    const bool fold = shape_.upper_case && HasSmallLetters(number);
    std::string_view text = number;
    if (fold || ContainsAny(number, shape_.separators)) text = StripAndFold(number, fold);
    prefix_length_ = 0;
    if (shape_.prefixes.front().empty()) return text;
    return StripPrefixes(text);
  }

  // The check characters of a number, kept apart from the scratch space.
  struct CheckText {
    static constexpr std::size_t kMaxLength = 2;
    std::array<char, kMaxLength> chars{};
    std::size_t size = 0;
    std::string_view view() const { return {chars.data(), size}; }
  };

  // Cuts a normalised number into its payload and its check characters;
  // false for a length the scheme does not accept. The payload is valid
  // until the next call.
  bool Split(std::string_view whole, std::string_view& payload, CheckText& check_text) {
    const std::size_t length = shape_.check_length;
    if (length > CheckText::kMaxLength || whole.size() < length ||
        !shape_.payload_lengths.Contains(whole.size() - length)) {
      return false;
    }
    const std::size_t place = CheckPlace(whole.size());
    for (std::size_t i = 0; i < length; ++i)
      check_text.chars[i] = whole[place + i];
    check_text.size = length;
    payload = std::string_view(whole.data(), place);
    // Check characters inside the number: the payload joins the parts
    // around them.
    if (place + length < whole.size()) payload = JoinAround(whole, place, length);
    return true;
  }

  // Where the check characters of a normalised number of this length start.
  std::size_t CheckPlace(std::size_t whole_length) const {
    const std::size_t length = std::min(shape_.check_length, whole_length);
    return std::min(shape_.check_place, whole_length - length);
  }

  // The place, counted from 1 in the typed text, of the normalised text's
  // character `index`.
  std::size_t TypedPlace(std::string_view typed, std::size_t index) const;

  // Whether a check character is of the scheme's kind.
  bool OfCheckKind(char c) const;

  // The payload with the check characters put in their place.
  std::string Insert(std::string_view payload, std::string_view check_text) const;

  // The rare parts of NormaliseText and Split, out of line.
  std::string_view StripAndFold(std::string_view number, bool fold);
  std::string_view StripPrefixes(std::string_view text);
  std::string_view JoinAround(std::string_view whole, std::size_t place, std::size_t length);

  // The payload's place (from 0) of the character that ended the last
  // computing step, if one did.
  std::optional<std::size_t> rejected_at_;
  // The date, if one, that ended the last computing step because the
  // calendar does not have it.
  std::optional<std::string> impossible_date_;
  // How many characters of the normalised text its prefixes took.
  std::size_t prefix_length_ = 0;
  // Set while the fieldless route computes: nobody will read the fields of
  // this number, so a computing step may leave out those that do not bear
  // on the verdict (a field whose reading can fail is still read).
  bool fieldless_ = false;

 protected:
  // The fewest characters a number that `Check` accepts can be typed in;
  // measured at the first use, as most objects made never need it.
  std::size_t ShortestTyped() {
    if (shortest_typed_ == kNotMeasured) shortest_typed_ = ShortestNumber(shape_);
    return shortest_typed_;
  }

 private:
  static std::size_t ShortestNumber(const NumberShape& shape) {
    std::size_t shortest = LengthRange::kUnbounded;
    for (const LengthRange& range : shape.payload_lengths.ranges())
      shortest = std::min(shortest, range.min);
    return shortest == LengthRange::kUnbounded ? 0 : shortest + shape.check_length;
  }

  static constexpr std::size_t kNotMeasured = std::numeric_limits<std::size_t>::max();

  NumberShape shape_;
  std::size_t shortest_typed_ = kNotMeasured;
  // Scratch space whose capacity is kept from call to call, so that an
  // object used for a batch of numbers does not allocate for each; no call
  // reads what an earlier one left in it.
  std::string text_;
  std::string payload_;
};

template <typename Value, typename Fields = NoFields>
class CheckDigitNumber : public NumberCourse {
 public:
  // A numeric check digit is read by value, a text by reference.
  using Read = std::conditional_t<std::is_same_v<Value, std::int16_t>, Value, const Value&>;

  Read CheckDigit() const { return check_digit_; }

  Value Calculate(std::string_view number);
  bool Check(std::string_view number);
  // The fieldless route: `Check`'s answer, always, with nothing kept that
  // `Check` would leave (the check digit and the fields are left as they
  // fall; read them after `Check`). A format with a tight rule overrides it
  // with a path for the plain numbers it sees most (no separators, one of
  // its lengths) and hands every other number to `CheckDigitNumber::IsValid`;
  // a class whose own `Check` answers some numbers before the course does
  // (gb.vat) overrides it to answer them the same way.
  virtual bool IsValid(std::string_view number);
  Finding Explain(std::string_view number);
  std::string Complete(std::string_view payload);

 protected:
  // The value that stands for "no check digit": -1, or the empty text.
  static Value Unset() {
    if constexpr (std::is_same_v<Value, std::string>) {
      return {};
    } else {
      return Value(std::int16_t{-1});
    }
  }

  explicit CheckDigitNumber(const NumberShape& shape, Value unset = Unset())
      : CheckDigitNumber(shape, unset, unset) {}
  // For a scheme whose check digit reads otherwise before its first call.
  CheckDigitNumber(const NumberShape& shape, Value unset, Value before_first_call)
      : NumberCourse(shape), unset_(std::move(unset)), check_digit_(std::move(before_first_call)) {}
  CheckDigitNumber(const CheckDigitNumber&) = default;
  CheckDigitNumber& operator=(const CheckDigitNumber&) = default;

  virtual std::optional<Value> ComputeCheckDigit(std::string_view payload) = 0;

  // The check digit that `Check` measures the characters `found` against.
  // Most rules have one value for a payload; a rule that allows several (a
  // century tried both ways, 0 as well as 9) gives the one `found` holds
  // when it holds one of them, and otherwise the one `Calculate` gives.
  virtual std::optional<Value> ComputeCheckDigitAgainst(std::string_view payload,
                                                        std::string_view found) {
    static_cast<void>(found);
    return ComputeCheckDigit(payload);
  }

  // Ends the computing step on a date, written YYYY-MM-DD, that the
  // calendar does not have.
  std::nullopt_t RejectDate(std::string date) {
    impossible_date_ = std::move(date);
    return std::nullopt;
  }

  // Ends the computing step on a character that may not stand at the
  // payload's place `index` (counted from 0).
  std::nullopt_t RejectCharacter(std::size_t index) {
    rejected_at_ = index;
    return std::nullopt;
  }

  // Ends the computing step on the payload's first character that is not a
  // digit, if there is one; without one, the step ends for another reason
  // (an overflow, a value no table holds).
  std::nullopt_t RejectNonDigit(std::string_view payload) {
    for (std::size_t i = 0; i < payload.size(); ++i) {
      if (!IsDigit(payload[i])) return RejectCharacter(i);
    }
    return std::nullopt;
  }

  // The one fields hook of the family bases: reads the fields from their
  // positions in the payload before its characters are tested, so that a
  // rejected number of the right length still shows what could be read.
  // False when a field cannot be read, with the fields read so far kept and
  // the character that failed given to RejectCharacter.
  virtual bool DecodeFields(std::string_view /*payload*/) { return true; }

  const Fields& fields() const { return fields_; }
  Fields fields_;

  // Resets the check digit and the fields, and normalises the text.
  std::string_view Normalise(std::string_view number) {
    check_digit_ = unset_;
    fields_ = Fields{};
    rejected_at_.reset();
    impossible_date_.reset();
    return NormaliseText(number);
  }

 private:
  // Where the course of a number ended: its verdict, and what an
  // explanation of it needs.
  struct Walked {
    Finding::Kind kind = Finding::Kind::kValid;
    // The length of the number without separators.
    std::size_t length = 0;
    // The place, counted from 0 in the number without separators, of a
    // character that may not stand there.
    std::size_t at = 0;
    CheckText found;
  };

  // The one course of `Check` and `Explain`: normalise, cut out the check
  // characters, compute on the payload, compare, and on a mismatch say why.
  Walked Walk(std::string_view number);

  Value unset_;
  Value check_digit_;
};

namespace course {

// Whether the check characters found match the computed check digit.
inline bool Matches(std::int16_t check_digit, std::string_view text) {
  return text.size() == 1 && DigitMatches(text.front(), check_digit);
}
inline bool Matches(const std::string& check_digit, std::string_view text) {
  return check_digit == text;
}
inline bool Matches(const FieldValue& check_digit, std::string_view text) {
  return check_digit == text;
}

// The check characters a computed value stands for; nothing when no
// character carries it (10, 11, -1, or a text of another length).
inline std::optional<std::string> CheckText(std::int16_t check_digit, std::size_t length) {
  if (length != 1 || check_digit < 0 || check_digit > 9) return std::nullopt;
  return std::string(1, static_cast<char>('0' + check_digit));
}
inline std::optional<std::string> CheckText(const std::string& check_digit, std::size_t length) {
  if (check_digit.size() != length) return std::nullopt;
  return check_digit;
}
inline std::optional<std::string> CheckText(const FieldValue& check_digit, std::size_t length) {
  if (!check_digit.IsString() || check_digit.Text().size() != length) return std::nullopt;
  return std::string(check_digit.Text());
}

}  // namespace course

template <typename Value, typename Fields>
Value CheckDigitNumber<Value, Fields>::Calculate(std::string_view number) {
  const std::string_view payload = Normalise(number);
  if (Shape().payload_lengths.Contains(payload.size())) {
    if (auto computed = ComputeCheckDigit(payload)) check_digit_ = std::move(*computed);
  }
  return check_digit_;
}

template <typename Value, typename Fields>
auto CheckDigitNumber<Value, Fields>::Walk(std::string_view number) -> Walked {
  Walked walked;
  const std::string_view whole = Normalise(number);
  std::string_view payload;
  if (!Split(whole, payload, walked.found)) {
    walked.kind = whole.empty() ? Finding::Kind::kEmpty : Finding::Kind::kWrongLength;
    walked.length = whole.size();
    return walked;
  }
  const std::size_t check_place = CheckPlace(whole.size());
  auto computed = ComputeCheckDigitAgainst(payload, walked.found.view());
  if (!computed) {
    if (rejected_at_ && *rejected_at_ < payload.size()) {
      // A payload character after the check characters stands behind them.
      walked.kind = Finding::Kind::kBadCharacter;
      walked.at = *rejected_at_ < check_place ? *rejected_at_ : *rejected_at_ + walked.found.size;
    } else if (impossible_date_) {
      walked.kind = Finding::Kind::kNoSuchDate;
    } else {
      walked.kind = Finding::Kind::kNoCheckDigit;
    }
    return walked;
  }
  check_digit_ = std::move(*computed);
  if (course::Matches(check_digit_, walked.found.view())) return walked;
  for (std::size_t i = 0; i < walked.found.size; ++i) {
    if (!OfCheckKind(walked.found.chars[i])) {
      walked.kind = Finding::Kind::kBadCharacter;
      walked.at = check_place + i;
      return walked;
    }
  }
  // A value that no check character carries is matched by none.
  walked.kind = course::CheckText(check_digit_, walked.found.size) ? Finding::Kind::kWrongCheckDigit
                                                                   : Finding::Kind::kNoCheckDigit;
  return walked;
}

template <typename Value, typename Fields>
bool CheckDigitNumber<Value, Fields>::Check(std::string_view number) {
  return Walk(number).kind == Finding::Kind::kValid;
}

template <typename Value, typename Fields>
bool CheckDigitNumber<Value, Fields>::IsValid(std::string_view number) {
  // Separators only shorten a number: one shorter than the shortest length
  // is wrong however it is cut.
  if (number.size() < ShortestTyped()) return false;
  const std::string_view whole = Normalise(number);
  std::string_view payload;
  CheckText found;
  if (!Split(whole, payload, found)) return false;
  fieldless_ = true;
  auto computed = ComputeCheckDigitAgainst(payload, found.view());
  fieldless_ = false;
  return computed && course::Matches(*computed, found.view());
}

template <typename Value, typename Fields>
Finding CheckDigitNumber<Value, Fields>::Explain(std::string_view number) {
  const Walked walked = Walk(number);
  Finding finding;
  finding.kind = walked.kind;
  finding.shape = Shape();
  switch (walked.kind) {
    case Finding::Kind::kEmpty:
    case Finding::Kind::kWrongLength:
      finding.length = walked.length;
      finding.lengths = Shape().NumberLengths();
      break;
    case Finding::Kind::kBadCharacter:
      finding.place = TypedPlace(number, walked.at);
      finding.character = number[finding.place - 1];
      break;
    case Finding::Kind::kWrongCheckDigit:
      finding.expected = course::CheckText(check_digit_, walked.found.size).value_or("");
      finding.found = std::string(walked.found.view());
      break;
    case Finding::Kind::kNoSuchDate:
      finding.date = impossible_date_.value_or("");
      break;
    case Finding::Kind::kValid:
    case Finding::Kind::kNoCheckDigit:
    case Finding::Kind::kUnknownPrefix:
      break;
  }
  return finding;
}

template <typename Value, typename Fields>
std::string CheckDigitNumber<Value, Fields>::Complete(std::string_view payload) {
  Calculate(payload);
  // A format without check characters has nothing to put back.
  if (Shape().check_length == 0) return {};
  auto check_text = course::CheckText(check_digit_, Shape().check_length);
  if (!check_text) return {};
  std::string complete = Insert(NormaliseText(payload), *check_text);
  // Only a number that passes its own check is complete; the object is then
  // left as Check leaves it for that number.
  if (!Check(complete)) return {};
  return complete;
}

}  // namespace numerant
