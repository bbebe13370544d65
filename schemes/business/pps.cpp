#include "schemes/business/pps.h"

#include <array>
#include <cstdint>

#include "core/weighted_sum.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

// Remainder 0 gives "W", remainder r from 1 to 22 the r-th letter.
constexpr std::string_view kLetters = "WABCDEFGHIJKLMNOPQRSTUV";

constexpr std::size_t kStemLength = kWeights.size();

}  // namespace

PPS::PPS() : CheckDigitNumber({.separators = " -"}) {}

bool PPS::AcceptsStemLength(std::size_t length) const {
  return length == kStemLength;
}

std::optional<std::string> PPS::ComputeCheckDigit(std::string_view stem) {
  const auto sum = WeightedDigitSum(stem, kWeights);
  if (!sum) return std::nullopt;
  return std::string(1, kLetters[static_cast<std::size_t>(*sum) % kLetters.size()]);
}

}  // namespace numerant
