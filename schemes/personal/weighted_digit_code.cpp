#include "schemes/personal/weighted_digit_code.h"

#include "shell/checked.h"
#include "shell/text.h"

namespace numerant {
namespace {

// The remainder that sends AK to its second weighting.
constexpr int kRemainderForSecondPass = 10;

}  // namespace

std::int16_t WeightedDigitCode::Calculate(std::string_view number) {
  const std::string body = Normalise(number);
  if (body.size() == rule_->weights.size()) Compute(body);
  return check_digit_;
}

bool WeightedDigitCode::Check(std::string_view number) {
  const std::string text = Normalise(number);
  const std::size_t body_length = rule_->weights.size();
  if (text.size() != body_length + 1) return false;
  if (!Compute(std::string_view(text).substr(0, body_length))) return false;
  return DigitMatches(text.back(), check_digit_);
}

std::string WeightedDigitCode::Normalise(std::string_view number) {
  check_digit_ = -1;
  ResetFields();
  return RemoveSeparators(number, rule_->separators);
}

bool WeightedDigitCode::Compute(std::string_view body) {
  if (!DecodeFields(body)) return false;
  int remainder = WeightedRemainder(body, rule_->weights);
  if (remainder == kRemainderForSecondPass && !rule_->second_weights.empty()) {
    remainder = WeightedRemainder(body, rule_->second_weights);
    if (remainder == kRemainderForSecondPass) remainder = 0;
  }
  const auto table = rule_->check_digit_by_remainder;
  if (remainder < 0 || static_cast<std::size_t>(remainder) >= table.size()) return false;
  check_digit_ = table[static_cast<std::size_t>(remainder)];
  return true;
}

int WeightedDigitCode::WeightedRemainder(std::string_view body,
                                         std::span<const std::int16_t> weights) const {
  if (body.size() != weights.size()) return -1;
  Int16 sum = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (!IsDigit(body[i])) return -1;
    sum += Int16(weights[i]) * DigitValue(body[i]);
  }
  const Int16 remainder = sum % rule_->modulus;
  return remainder.ok() ? remainder.value() : -1;
}

}  // namespace numerant
