// SPDX-License-Identifier: MIT
#include "schemes/products/pzn_cas.h"

#include <array>
#include <cstddef>

#include "core/families/remainder_tables.h"
#include "core/weighted_sum.h"

namespace numerant {
namespace {

// Exactly six digits, weighted 2 to 7 from the left; the remainder modulo 11
// itself is the check value.
constexpr std::array<std::int16_t, 6> kPznWeights{2, 3, 4, 5, 6, 7};
constexpr std::array<Weights, 1> kPznPayloads{kPznWeights};
constexpr WeightedSumRule kPzn{" -", kPznPayloads, kRemainderOf11};

// Three to eight digits; the rightmost weighs 1, the one before it 2, and so
// on, so a payload of n digits takes the last n weights.
constexpr std::array<std::int16_t, 8> kCasWeights{8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::size_t kCasShortest = 3;

}  // namespace

PZN::PZN() : WeightedSumNumber(kPzn) {}

// The lengths 3 to 8 are one range here; the table-driven base would take
// each weight table as a range of its own, and a shape holds at most three.
CAS::CAS()
    : CheckDigitNumber(
          {.separators = " -", .payload_lengths = {{kCasShortest, kCasWeights.size()}}}) {}

std::optional<std::int16_t> CAS::ComputeCheckDigit(std::string_view payload) {
  const auto sum = WeightedDigitSum(payload, Weights(kCasWeights).last(payload.size()));
  if (!sum) return RejectNonDigit(payload);
  return static_cast<std::int16_t>(*sum % 10);
}

}  // namespace numerant
