#include "schemes/business/weighted_sum.h"

#include <array>

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 8> kAcnWeights{8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<std::int16_t, 8> kNineToTwo{9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 9> kNhsWeights{10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<std::int16_t, 9> kNipWeights{6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::array<std::int16_t, 8> kRegonShortWeights{8, 9, 2, 3, 4, 5, 6, 7};
// The fifth digit of the long form does not count.
constexpr std::array<std::int16_t, 13> kRegonLongWeights{2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};
// The short form uses the leading weights only.
constexpr std::array<std::int16_t, 9> kTfnWeights{1, 4, 3, 7, 5, 8, 6, 9, 10};

constexpr std::array<Weights, 1> kAcnStems{kAcnWeights};
constexpr std::array<Weights, 1> kNineToTwoStems{kNineToTwo};
constexpr std::array<Weights, 1> kNhsStems{kNhsWeights};
constexpr std::array<Weights, 1> kNipStems{kNipWeights};
constexpr std::array<Weights, 2> kRegonStems{kRegonShortWeights, kRegonLongWeights};
constexpr std::array<Weights, 2> kTfnStems{Weights(kTfnWeights).first(7),
                                           Weights(kTfnWeights).first(8)};

// (10 - S mod 10) mod 10: the digit that completes the sum to a multiple of 10.
constexpr std::array<std::int16_t, 10> kTensComplement{0, 9, 8, 7, 6, 5, 4, 3, 2, 1};
// 11 - (S mod 11), so an exact multiple of 11 asks for 11.
constexpr std::array<std::int16_t, 11> kElevenMinusRemainder{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
// S mod 11 itself, 10 included.
constexpr std::array<std::int16_t, 11> kRemainderOfEleven{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
// 11 - r, with remainder 0 giving 0 and remainder 1 giving -1: such a stem
// has no valid number.
constexpr std::array<std::int16_t, 11> kNhsCheckDigits{0, -1, 9, 8, 7, 6, 5, 4, 3, 2, 1};
// S mod 11, with the remainder 10 taken as 0.
constexpr std::array<std::int16_t, 11> kNipCheckDigits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0};

constexpr WeightedSumRule kAcn{" -", kAcnStems, kTensComplement};
constexpr WeightedSumRule kBi{" -", kNineToTwoStems, kElevenMinusRemainder};
constexpr WeightedSumRule kBsn{" .", kNineToTwoStems, kRemainderOfEleven};
constexpr WeightedSumRule kNhs{" -", kNhsStems, kNhsCheckDigits};
constexpr WeightedSumRule kNip{" -", kNipStems, kNipCheckDigits};
constexpr WeightedSumRule kRegon{" -", kRegonStems, kRemainderOfEleven};
constexpr WeightedSumRule kTfn{" -", kTfnStems, kRemainderOfEleven};

}  // namespace

ACN::ACN() : LegacyWeightedSumNumber(kAcn) {}
BI::BI() : LegacyWeightedSumNumber(kBi) {}
BSN::BSN() : LegacyWeightedSumNumber(kBsn) {}
NHS::NHS() : LegacyWeightedSumNumber(kNhs) {}
NIP::NIP() : LegacyWeightedSumNumber(kNip) {}
REGON::REGON() : LegacyWeightedSumNumber(kRegon) {}
TFN::TFN() : LegacyWeightedSumNumber(kTfn) {}

}  // namespace numerant
