// The common course of every scheme class.
//
// Normalising resets the check digit and the fields, removes the scheme's
// separators wherever they stand and, where the scheme asks for it,
// upper-cases the text. `Calculate` computes on a stem of an accepted length.
// `Check` cuts the check characters out of their place (the end of the
// number, or a fixed place inside it), computes on the rest and compares: a
// numeric check digit with `DigitMatches`, so that a computed value outside 0
// to 9 (10, 11, or -1 where a rule maps a remainder to it) is matched by no
// character; a check text exactly, case included.
//
// A scheme derives from `CheckDigitNumber<V>` with V its kind of check digit
// (std::int16_t, std::string or FieldValue), hands it its shape and gives
//   bool AcceptsStemLength(std::size_t length) const;
//   std::optional<V> ComputeCheckDigit(std::string_view stem);
//   void ResetFields();   // only a scheme with fields
// `ComputeCheckDigit` gives nothing when the stem has no check digit; fields
// it fills before giving up stay filled, so a rejected number still shows
// what could be read from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/field_value.h"

namespace numerant {

struct NumberShape {
  static constexpr std::size_t kAtEnd = static_cast<std::size_t>(-1);

  std::string_view separators;
  bool upper_case = false;
  // How many check characters there are, and the place of the first one
  // counted from 0, or kAtEnd for check characters that close the number.
  std::size_t check_length = 1;
  std::size_t check_place = kAtEnd;
};

template <typename Value>
class CheckDigitNumber {
 public:
  // A numeric check digit is read by value, a text by reference.
  using Read = std::conditional_t<std::is_same_v<Value, std::int16_t>, Value, const Value&>;

  virtual ~CheckDigitNumber() = default;

  Read CheckDigit() const { return check_digit_; }

  Value Calculate(std::string_view number);
  bool Check(std::string_view number);

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
      : shape_(shape), unset_(std::move(unset)), check_digit_(std::move(before_first_call)) {}
  CheckDigitNumber(const CheckDigitNumber&) = default;
  CheckDigitNumber& operator=(const CheckDigitNumber&) = default;

  virtual bool AcceptsStemLength(std::size_t length) const = 0;
  virtual std::optional<Value> ComputeCheckDigit(std::string_view stem) = 0;
  virtual void ResetFields() {}

  // Resets the check digit and the fields; the text without separators,
  // upper-cased where the scheme asks for it; valid until the next call and
  // while the caller's text lives.
  std::string_view Normalise(std::string_view number);

 private:
  NumberShape shape_;
  Value unset_;
  Value check_digit_;
  // Scratch space whose capacity is kept from call to call, so that an
  // object used for a batch of numbers does not allocate for each; no call
  // reads what an earlier one left in it.
  std::string text_;
  std::string stem_;
};

extern template class CheckDigitNumber<std::int16_t>;
extern template class CheckDigitNumber<std::string>;
extern template class CheckDigitNumber<FieldValue>;

}  // namespace numerant
