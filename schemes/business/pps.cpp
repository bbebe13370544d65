#include "schemes/business/pps.h"

#include <array>
#include <cstdint>

#include "schemes/business/weighted_sum.h"
#include "shell/text.h"

namespace numerant {
namespace {

constexpr std::array<std::int16_t, 7> kWeights{8, 7, 6, 5, 4, 3, 2};

// Remainder 0 gives "W", remainder r from 1 to 22 the r-th letter.
constexpr std::string_view kLetters = "WABCDEFGHIJKLMNOPQRSTUV";

constexpr std::size_t kStemLength = kWeights.size();

}  // namespace

std::string PPS::Calculate(std::string_view code) {
  const std::string stem = Normalise(code);
  if (stem.size() == kStemLength) Compute(stem);
  return check_digit_;
}

bool PPS::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != kStemLength + 1) return false;
  Compute(std::string_view(text).substr(0, kStemLength));
  return text.substr(kStemLength) == check_digit_;
}

std::string PPS::Normalise(std::string_view code) {
  check_digit_.clear();
  return RemoveSeparators(code, " -");
}

void PPS::Compute(std::string_view stem) {
  const auto sum = WeightedDigitSum(stem, kWeights);
  if (!sum) return;
  check_digit_ = std::string(1, kLetters[static_cast<std::size_t>(*sum) % kLetters.size()]);
}

}  // namespace numerant
