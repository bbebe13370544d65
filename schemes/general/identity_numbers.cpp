#include "schemes/general/identity_numbers.h"

#include <array>
#include <optional>
#include <utility>

#include "shell/text.h"
#include "shell/weighted_sum.h"

namespace numerant {
namespace {

// CPF: remainders 0 and 1 give 0, a remainder r from 2 to 10 gives 11 - r.
constexpr std::array<std::int16_t, 11> kCpfRemainderMap{0, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<std::int16_t, 9> kCpfFirstWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 9> kCpfSecondWeights{11, 10, 9, 8, 7, 6, 5, 4, 3};

// DNI: the letter of the number modulo 23.
constexpr std::string_view kDniLetters = "TRWAGMYFPDXBNJZSQVHLCKE";

// RUN: remainder 0 gives "0", 1 gives "K", r from 2 to 10 the digit 11 - r.
constexpr std::string_view kRunRemainderMap = "0K987654321";
constexpr std::array<std::int16_t, 8> kRunWeights{3, 2, 7, 6, 5, 4, 3, 2};

// What tells the three numbers apart on their common frame.
template <typename Value>
struct Frame {
  std::string_view separators;
  std::size_t payload_length;
  std::size_t check_length;
  Value (*unset)();
  // The check text of a payload of the right length; nothing when the
  // payload holds a character the number does not allow.
  std::optional<Value> (*compute)(std::string_view payload);
};

// The remainder of a sum (never negative) as a position in a table of that
// many entries.
template <typename Table>
std::size_t Position(std::int32_t sum, const Table& table) {
  return static_cast<std::size_t>(sum) % table.size();
}

std::optional<FieldValue> ComputeCpf(std::string_view payload) {
  const auto first_sum = WeightedDigitSum(payload, kCpfFirstWeights);
  if (!first_sum) return std::nullopt;
  const std::int16_t first = kCpfRemainderMap[Position(*first_sum, kCpfRemainderMap)];
  // The second check digit also covers the first, with weight 2.
  const auto second_sum = WeightedDigitSum(payload, kCpfSecondWeights, Int16(first) * 2);
  if (!second_sum) return std::nullopt;
  const std::int16_t second = kCpfRemainderMap[Position(*second_sum, kCpfRemainderMap)];
  return FieldValue(std::to_string(first) + std::to_string(second));
}

std::optional<std::string> ComputeDni(std::string_view payload) {
  const auto number = ParseDecimal32(payload);
  if (!number) return std::nullopt;
  return std::string(1, kDniLetters[Position(*number, kDniLetters)]);
}

std::optional<std::string> ComputeRun(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kRunWeights);
  if (!sum) return std::nullopt;
  return std::string(1, kRunRemainderMap[Position(*sum, kRunRemainderMap)]);
}

constexpr Frame<FieldValue> kCpf{" -.", 9, 2, [] { return FieldValue(std::int16_t{-1}); },
                                 ComputeCpf};
constexpr Frame<std::string> kDni{" -", 8, 1, [] { return std::string(); }, ComputeDni};
// A hyphen stays, so "12.345.678-5" is one character too long.
constexpr Frame<std::string> kRun{" .", 8, 1, [] { return std::string("-1"); }, ComputeRun};

template <typename Value>
Value CalculateOnFrame(const Frame<Value>& frame, Value& check_digit, std::string_view input) {
  check_digit = frame.unset();
  const std::string payload = RemoveSeparators(input, frame.separators);
  if (payload.size() == frame.payload_length) {
    if (auto computed = frame.compute(payload)) check_digit = std::move(*computed);
  }
  return check_digit;
}

template <typename Value>
bool CheckOnFrame(const Frame<Value>& frame, Value& check_digit, std::string_view input) {
  check_digit = frame.unset();
  const std::string text = RemoveSeparators(input, frame.separators);
  if (text.size() != frame.payload_length + frame.check_length) return false;
  const std::string_view whole(text);
  auto computed = frame.compute(whole.substr(0, frame.payload_length));
  if (!computed) return false;
  check_digit = std::move(*computed);
  // Exactly, case included: a small "k" or "z" never matches.
  return check_digit == whole.substr(frame.payload_length);
}

}  // namespace

FieldValue CPF::Calculate(std::string_view number) {
  return CalculateOnFrame(kCpf, check_digit_, number);
}

bool CPF::Check(std::string_view number) {
  return CheckOnFrame(kCpf, check_digit_, number);
}

std::string DNI::Calculate(std::string_view code) {
  return CalculateOnFrame(kDni, check_digit_, code);
}

bool DNI::Check(std::string_view code) {
  return CheckOnFrame(kDni, check_digit_, code);
}

std::string RUN::Calculate(std::string_view code) {
  return CalculateOnFrame(kRun, check_digit_, code);
}

bool RUN::Check(std::string_view code) {
  return CheckOnFrame(kRun, check_digit_, code);
}

}  // namespace numerant
