// SPDX-License-Identifier: MIT
// A value that holds exactly one of nothing, a 16-bit integer, a 32-bit long
// or a string.
//
// Schemes use it where a value changes kind with the state of the object: a
// check digit that is the integer -1 until it has been computed and the text
// "07" afterwards, or a field that is the integer 0 until a number has been
// parsed and a piece of that number's text afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace numerant {

class FieldValue {
 public:
  enum class Kind { kNothing, kInteger, kLong, kString };

  FieldValue() = default;
  FieldValue(std::int16_t integer)  // NOLINT(google-explicit-constructor)
      : kind_(Kind::kInteger), number_(integer) {}
  FieldValue(std::int32_t long_value) : kind_(Kind::kLong), number_(long_value) {}  // NOLINT
  FieldValue(std::string text) : kind_(Kind::kString), text_(std::move(text)) {}    // NOLINT
  FieldValue(std::string_view text) : kind_(Kind::kString), text_(text) {}          // NOLINT
  FieldValue(const char* text) : kind_(Kind::kString), text_(text) {}               // NOLINT

  FieldValue(const FieldValue&) = default;
  FieldValue(FieldValue&&) = default;
  // Both keep the storage of the string this value held: a field reset to a
  // number and set to a text again for every number of a batch then never
  // allocates, and taking a number is three stores.
  FieldValue& operator=(const FieldValue& other) {
    if (this == &other) return *this;
    kind_ = other.kind_;
    number_ = other.number_;
    if (other.IsString()) {
      text_ = other.text_;
    } else {
      text_.clear();
    }
    return *this;
  }
  FieldValue& operator=(FieldValue&& other) noexcept {
    kind_ = other.kind_;
    number_ = other.number_;
    if (other.IsString()) {
      text_ = std::move(other.text_);
    } else {
      text_.clear();
    }
    return *this;
  }

  // Writes the text into the string's existing storage.
  FieldValue& operator=(std::string_view text) {
    kind_ = Kind::kString;
    number_ = 0;
    text_.assign(text);
    return *this;
  }
  FieldValue& operator=(const std::string& text) { return *this = std::string_view(text); }
  FieldValue& operator=(const char* text) { return *this = std::string_view(text); }

  Kind kind() const { return kind_; }
  bool IsNothing() const { return kind() == Kind::kNothing; }
  bool IsInteger() const { return kind() == Kind::kInteger; }
  bool IsLong() const { return kind() == Kind::kLong; }
  bool IsString() const { return kind() == Kind::kString; }

  // The held number (integer or long); 0 when the value holds no number.
  std::int32_t Number() const;
  // The held text; empty when the value holds no string.
  std::string_view Text() const;

  // Decimal digits with a leading "-" when negative for numbers, the text
  // itself for strings, the empty text for nothing.
  std::string ToString() const;

  // True only when a string with exactly these characters is held: the
  // integer 7 does not equal "7".
  friend bool operator==(const FieldValue& value, std::string_view text) {
    return value.IsString() && value.text_ == text;
  }
  friend bool operator==(const FieldValue& value, const char* text) {
    return value == std::string_view(text);
  }
  friend bool operator==(const FieldValue&, const FieldValue&) = default;

 private:
  // One kind at a time: the number is 0 unless an integer or long is held,
  // the text empty unless a string is, so that comparing every member
  // compares the held values. The string is a member of its own, not an
  // alternative of a variant, so that its storage outlives a spell of
  // holding a number.
  Kind kind_ = Kind::kNothing;
  std::int32_t number_ = 0;
  std::string text_;
};

}  // namespace numerant
