// The common structure of the all-digit personal numbers whose check digit is
// a weighted sum of the body's digits, taken modulo 10 or 11 and mapped
// through a fixed table: AK, IK, PESEL, CNP, JMBG, CPR and AHV.
//
// Each class names its rule and decodes its own fields. The fields come from
// fixed positions before the digits are validated, so a rejected number of
// the right length still shows what could be read from it; a conversion that
// fails while decoding leaves the later fields at their start values.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace numerant {

struct WeightedDigitRule {
  // Removed from the caller's text before anything else.
  std::string_view separators;
  // One weight per body position; their count is the body length.
  std::span<const std::int16_t> weights;
  // A second pass over the same digits, made only when the first leaves
  // remainder 10; a second remainder of 10 counts as 0. Empty for one pass.
  std::span<const std::int16_t> second_weights;
  std::int16_t modulus;
  // The check digit by remainder, one entry per remainder 0 to modulus - 1.
  std::span<const std::int16_t> check_digit_by_remainder;
};

class WeightedDigitCode {
 public:
  virtual ~WeightedDigitCode() = default;

  std::int16_t CheckDigit() const { return check_digit_; }

  std::int16_t Calculate(std::string_view number);
  bool Check(std::string_view number);

 protected:
  explicit WeightedDigitCode(const WeightedDigitRule& rule) : rule_(&rule) {}
  WeightedDigitCode(const WeightedDigitCode&) = default;
  WeightedDigitCode& operator=(const WeightedDigitCode&) = default;

 private:
  // Puts every field back to its start value.
  virtual void ResetFields() = 0;
  // Reads the fields from their positions in the body; false when a
  // conversion fails, with the fields read so far kept.
  virtual bool DecodeFields(std::string_view body) = 0;

  std::string Normalise(std::string_view number);
  bool Compute(std::string_view body);
  // The remainder of the weighted digit sum; -1 when a character is not a
  // digit or the sum leaves the 16-bit range.
  int WeightedRemainder(std::string_view body, std::span<const std::int16_t> weights) const;

  const WeightedDigitRule* rule_;
  std::int16_t check_digit_ = -1;
};

}  // namespace numerant
