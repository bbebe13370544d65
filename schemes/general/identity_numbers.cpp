#include "schemes/general/identity_numbers.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

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

// The remainder of a sum (never negative) as a position in a table of that
// many entries.
template <typename Table>
std::size_t Position(std::int32_t sum, const Table& table) {
  return static_cast<std::size_t>(sum) % table.size();
}

}  // namespace

CPF::CPF() : CheckDigitNumber({.separators = " -.", .check_length = 2}) {}

bool CPF::AcceptsStemLength(std::size_t length) const {
  return length == 9;
}

std::optional<FieldValue> CPF::ComputeCheckDigit(std::string_view payload) {
  const auto first_sum = WeightedDigitSum(payload, kCpfFirstWeights);
  if (!first_sum) return std::nullopt;
  const std::int16_t first = kCpfRemainderMap[Position(*first_sum, kCpfRemainderMap)];
  // The second check digit also covers the first, with weight 2.
  const auto second_sum = WeightedDigitSum(payload, kCpfSecondWeights, Int16(first) * 2);
  if (!second_sum) return std::nullopt;
  const std::int16_t second = kCpfRemainderMap[Position(*second_sum, kCpfRemainderMap)];
  return FieldValue(std::to_string(first) + std::to_string(second));
}

DNI::DNI() : CheckDigitNumber({.separators = " -"}) {}

bool DNI::AcceptsStemLength(std::size_t length) const {
  return length == 8;
}

std::optional<std::string> DNI::ComputeCheckDigit(std::string_view payload) {
  const auto number = ParseDecimal32(payload);
  if (!number) return std::nullopt;
  return std::string(1, kDniLetters[Position(*number, kDniLetters)]);
}

// A hyphen stays, so "12.345.678-5" is one character too long.
RUN::RUN() : CheckDigitNumber({.separators = " ."}, "-1", "") {}

bool RUN::AcceptsStemLength(std::size_t length) const {
  return length == 8;
}

std::optional<std::string> RUN::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, kRunWeights);
  if (!sum) return std::nullopt;
  return std::string(1, kRunRemainderMap[Position(*sum, kRunRemainderMap)]);
}

}  // namespace numerant
