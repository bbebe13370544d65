// The common course of the numbers that end in one decimal check digit.
//
// Normalising resets the check digit (and any fields), strips the class's
// separators and, where the class asks for it, upper-cases the text.
// `Calculate` computes on a stem of an accepted length; `Check` computes on
// all characters but the last and accepts the number when that last character
// is a digit whose value equals the computed check digit. A computed value
// outside 0 to 9 (10, 11, or -1 where a class maps a remainder to it) is
// returned as it stands and is matched by no digit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numerant {

class DecimalCheckDigitNumber {
 public:
  virtual ~DecimalCheckDigitNumber() = default;

  std::int16_t CheckDigit() const { return check_digit_; }

  std::int16_t Calculate(std::string_view number);
  bool Check(std::string_view number);

 protected:
  struct Normalising {
    // Removed wherever they stand.
    std::string_view separators;
    bool upper_case = false;
  };

  explicit DecimalCheckDigitNumber(Normalising normalising) : normalising_(normalising) {}
  DecimalCheckDigitNumber(const DecimalCheckDigitNumber&) = default;
  DecimalCheckDigitNumber& operator=(const DecimalCheckDigitNumber&) = default;

  virtual bool AcceptsStemLength(std::size_t length) const = 0;
  // The check digit of a stem of an accepted length, or nothing when none can
  // be computed. Fields a class fills here stay filled when it gives up later.
  virtual std::optional<std::int16_t> ComputeCheckDigit(std::string_view stem) = 0;
  // Returns the fields a number fills to their start values.
  virtual void ResetFields() {}

 private:
  std::string Normalise(std::string_view number);

  Normalising normalising_;
  std::int16_t check_digit_ = -1;
};

}  // namespace numerant
