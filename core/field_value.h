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
#include <variant>

namespace numerant {

class FieldValue {
 public:
  enum class Kind { kNothing, kInteger, kLong, kString };

  FieldValue() = default;
  FieldValue(std::int16_t integer) : value_(integer) {}  // NOLINT(google-explicit-constructor)
  FieldValue(std::int32_t long_value) : value_(long_value) {}       // NOLINT
  FieldValue(std::string text) : value_(std::move(text)) {}         // NOLINT
  FieldValue(std::string_view text) : value_(std::string(text)) {}  // NOLINT
  FieldValue(const char* text) : value_(std::string(text)) {}       // NOLINT

  Kind kind() const { return static_cast<Kind>(value_.index()); }
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
    return value.IsString() && std::get<std::string>(value.value_) == text;
  }
  friend bool operator==(const FieldValue& value, const char* text) {
    return value == std::string_view(text);
  }
  friend bool operator==(const FieldValue&, const FieldValue&) = default;

 private:
  std::variant<std::monostate, std::int16_t, std::int32_t, std::string> value_;
};

}  // namespace numerant
