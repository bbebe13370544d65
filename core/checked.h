// Checked 16- and 32-bit arithmetic.
//
// The schemes compute in 16-bit signed integers unless a rule says 32 bits,
// and an overflow is a failure of the computing step, never a wrapped value.
// Checked<T> carries a value of T and a sticky "overflowed" flag: once an
// operation leaves the range of T (or divides by zero), every later result is
// failed too, so a loop can add freely and test once at the end.
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

namespace numerant {

template <std::signed_integral T>
class Checked {
  static_assert(sizeof(T) <= 4, "products must fit the 64-bit intermediate");

 public:
  constexpr Checked() noexcept = default;

  // Any integral value; one outside the range of T makes a failed value.
  template <std::integral U>
  constexpr Checked(U value) noexcept  // NOLINT(google-explicit-constructor)
      : Checked(FromWide(value)) {}

  static constexpr Checked Failed() noexcept {
    Checked failed;
    failed.ok_ = false;
    return failed;
  }

  constexpr bool ok() const noexcept { return ok_; }
  // The value; 0 once the computation has failed.
  constexpr T value() const noexcept { return value_; }

  friend constexpr Checked operator+(Checked a, Checked b) noexcept {
    return Combine(a, b, Wide(a.value_) + b.value_);
  }
  friend constexpr Checked operator-(Checked a, Checked b) noexcept {
    return Combine(a, b, Wide(a.value_) - b.value_);
  }
  friend constexpr Checked operator*(Checked a, Checked b) noexcept {
    return Combine(a, b, Wide(a.value_) * b.value_);
  }
  // Truncating division and a remainder with the sign of the dividend, as
  // the integer operations of the schemes' rules; dividing by zero fails.
  friend constexpr Checked operator/(Checked a, Checked b) noexcept {
    if (b.value_ == 0) return Failed();
    return Combine(a, b, Wide(a.value_) / b.value_);
  }
  friend constexpr Checked operator%(Checked a, Checked b) noexcept {
    if (b.value_ == 0) return Failed();
    return Combine(a, b, Wide(a.value_) % b.value_);
  }

  constexpr Checked& operator+=(Checked other) noexcept { return *this = *this + other; }
  constexpr Checked& operator-=(Checked other) noexcept { return *this = *this - other; }
  constexpr Checked& operator*=(Checked other) noexcept { return *this = *this * other; }
  constexpr Checked& operator%=(Checked other) noexcept { return *this = *this % other; }

 private:
  using Wide = std::int64_t;

  template <std::integral U>
  static constexpr Checked FromWide(U value) noexcept {
    Checked result;
    if (std::cmp_less(value, std::numeric_limits<T>::min()) ||
        std::cmp_greater(value, std::numeric_limits<T>::max())) {
      result.ok_ = false;
    } else {
      result.value_ = static_cast<T>(value);
    }
    return result;
  }

  static constexpr Checked Combine(Checked a, Checked b, Wide wide) noexcept {
    if (!a.ok_ || !b.ok_) return Failed();
    return FromWide(wide);
  }

  T value_ = 0;
  bool ok_ = true;
};

// The integer kind of the schemes' rules.
using Int16 = Checked<std::int16_t>;
// The long kind.
using Int32 = Checked<std::int32_t>;

}  // namespace numerant
