#include "schemes/articles/weighted_numbers.h"

#include <array>

namespace numerant {
namespace {

// Exactly six digits, weighted 2 to 7 from the left.
constexpr std::array<std::int16_t, 6> kPznWeights{2, 3, 4, 5, 6, 7};
constexpr std::array<Weights, 1> kPznStems{kPznWeights};

// Three to eight digits; the rightmost weighs 1, the one before it 2, and so
// on, so a stem of n digits takes the last n weights.
constexpr std::array<std::int16_t, 8> kCasWeights{8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<Weights, 6> kCasStems{
    Weights(kCasWeights).last(3), Weights(kCasWeights).last(4), Weights(kCasWeights).last(5),
    Weights(kCasWeights).last(6), Weights(kCasWeights).last(7), Weights(kCasWeights).last(8)};

// The remainder itself is the check value; PZN's 10 is matched by no digit.
constexpr std::array<std::int16_t, 11> kRemainderOfEleven{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<std::int16_t, 10> kRemainderOfTen{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr WeightedSumRule kPzn{" -", kPznStems, kRemainderOfEleven};
constexpr WeightedSumRule kCas{" -", kCasStems, kRemainderOfTen};

}  // namespace

PZN::PZN() : LegacyWeightedSumNumber(kPzn) {}
CAS::CAS() : LegacyWeightedSumNumber(kCas) {}

}  // namespace numerant
