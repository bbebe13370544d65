#include "schemes/articles/weighted_numbers.h"

#include <array>
#include <span>
#include <string>

#include "shell/text.h"
#include "shell/weighted_sum.h"

namespace numerant {
namespace {

// The weights stand aligned to the right end of the payload: a payload of n
// digits takes the last n of them.
struct WeightedRule {
  std::span<const std::int16_t> weights;
  std::size_t shortest_payload;
  std::int16_t modulus;
};

// Exactly six digits, weighted 2 to 7 from the left.
constexpr std::array<std::int16_t, 6> kPznWeights{2, 3, 4, 5, 6, 7};
// Up to eight digits; the rightmost weighs 1, the one before it 2, and so on.
constexpr std::array<std::int16_t, 8> kCasWeights{8, 7, 6, 5, 4, 3, 2, 1};

constexpr WeightedRule kPzn{kPznWeights, 6, 11};
constexpr WeightedRule kCas{kCasWeights, 3, 10};

bool IsPayloadLength(const WeightedRule& rule, std::size_t length) {
  return length >= rule.shortest_payload && length <= rule.weights.size();
}

// The check value of the payload, or -1 when it holds a non-digit.
std::int16_t Compute(const WeightedRule& rule, std::string_view payload) {
  if (payload.size() > rule.weights.size()) return -1;
  const auto sum = WeightedDigitSum(payload, rule.weights.last(payload.size()));
  if (!sum) return -1;
  return static_cast<std::int16_t>(*sum % rule.modulus);
}

std::int16_t CalculateWeighted(const WeightedRule& rule, std::int16_t& check_digit,
                               std::string_view number) {
  check_digit = -1;
  const std::string payload = RemoveSeparators(number, " -");
  if (IsPayloadLength(rule, payload.size())) check_digit = Compute(rule, payload);
  return check_digit;
}

bool CheckWeighted(const WeightedRule& rule, std::int16_t& check_digit, std::string_view number) {
  check_digit = -1;
  const std::string text = RemoveSeparators(number, " -");
  if (text.empty() || !IsPayloadLength(rule, text.size() - 1)) return false;
  check_digit = Compute(rule, std::string_view(text).substr(0, text.size() - 1));
  return check_digit != -1 && DigitMatches(text.back(), check_digit);
}

}  // namespace

std::int16_t PZN::Calculate(std::string_view number) {
  return CalculateWeighted(kPzn, check_digit_, number);
}

bool PZN::Check(std::string_view number) {
  return CheckWeighted(kPzn, check_digit_, number);
}

std::int16_t CAS::Calculate(std::string_view number) {
  return CalculateWeighted(kCas, check_digit_, number);
}

bool CAS::Check(std::string_view number) {
  return CheckWeighted(kCas, check_digit_, number);
}

}  // namespace numerant
