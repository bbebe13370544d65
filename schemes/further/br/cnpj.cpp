// SPDX-License-Identifier: MIT
#include "schemes/further/br/cnpj.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayload = 12;
constexpr std::size_t kBaseLength = 8;
// The weights of the second check digit; the first uses the last twelve.
constexpr std::array<int, kPayload + 1> kWeights{6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};

// 11 minus the remainder, 0 where that is 10 or 11.
int CheckDigitOf(int sum) {
  const int remainder = sum % 11;
  return remainder < 2 ? 0 : 11 - remainder;
}

}  // namespace

BrCnpj::BrCnpj()
    : CheckDigitNumber({.separators = " -./",
                        .upper_case = true,
                        .payload_letters = true,
                        .payload_lengths = Lengths::Exactly(kPayload),
                        .check_length = 2}) {}

std::optional<std::string> BrCnpj::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() != kPayload) return std::nullopt;
  fields_.base = payload.substr(0, kBaseLength);
  fields_.branch = payload.substr(kBaseLength);
  int first = 0;
  int second = 0;
  for (std::size_t i = 0; i < kPayload; ++i) {
    const char c = payload[i];
    if (!IsDigit(c) && !IsUpperLetter(c)) return RejectCharacter(i);
    const int value = static_cast<unsigned char>(c) - '0';
    first += value * kWeights[i + 1];
    second += value * kWeights[i];
  }
  const int first_digit = CheckDigitOf(first);
  second += first_digit * kWeights[kPayload];
  std::string check_digits(2, '0');
  check_digits[0] = static_cast<char>('0' + first_digit);
  check_digits[1] = static_cast<char>('0' + CheckDigitOf(second));
  return check_digits;
}

}  // namespace numerant
