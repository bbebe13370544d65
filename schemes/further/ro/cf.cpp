// SPDX-License-Identifier: MIT
#include "schemes/further/ro/cf.h"

#include <array>

#include "core/text.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 9> kWeights{7, 5, 3, 2, 1, 7, 5, 3, 2};
// A CNP's digits before its check digit.
constexpr std::size_t kCnpPayload = 12;

}  // namespace

RoCf::RoCf()
    : CheckDigitNumber({.separators = " -",
                        .upper_case = true,
                        .prefixes = {"RO"},
                        .payload_lengths = {{1, kWeights.size()}, {kCnpPayload, kCnpPayload}}}) {}

std::optional<std::int16_t> RoCf::ComputeCheckDigit(std::string_view payload) {
  if (payload.size() == kCnpPayload) {
    fields_.kind = "CNP";
    const std::int16_t check_digit = cnp_.Calculate(payload);
    if (check_digit < 0) return RejectNonDigit(payload);
    return check_digit;
  }
  fields_.kind = "CUI";
  if (payload.front() == '0') return RejectCharacter(0);
  // The weights are aligned at the right end, as if the number had leading
  // zeros up to nine digits.
  const auto sum = WeightedDigitSum(payload, std::span(kWeights).last(payload.size()));
  if (!sum) return RejectNonDigit(payload);
  return static_cast<std::int16_t>(10 * *sum % 11 % 10);
}

}  // namespace numerant
