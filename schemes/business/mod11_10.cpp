#include "schemes/business/mod11_10.h"

#include <array>

#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kBzuStemLength = 12;
constexpr std::size_t kNihStemLength = 9;

// By the last intermediate value modulo 10: the digit c that makes
// ((2s) mod 11 + c) mod 10 equal 1.
constexpr std::array<std::int16_t, 10> kNihCheckDigits{2, 9, 7, 5, 3, 1, 0, 8, 6, 4};

}  // namespace

std::optional<int> LastMod1110Intermediate(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  // Every value stays below 21.
  int product = 10;
  int intermediate = 10;
  for (char c : digits) {
    if (!IsDigit(c)) return std::nullopt;
    intermediate = (product % 11 + DigitValue(c)) % 10;
    if (intermediate == 0) intermediate = 10;
    product = 2 * intermediate;
  }
  return intermediate;
}

BZU::BZU() : CheckDigitNumber({.separators = " -", .upper_case = false}) {}

bool BZU::AcceptsStemLength(std::size_t length) const {
  return length == kBzuStemLength;
}

std::optional<std::int16_t> BZU::ComputeCheckDigit(std::string_view stem) {
  const auto last = LastMod1110Intermediate(stem);
  if (!last) return std::nullopt;
  return static_cast<std::int16_t>(11 - (2 * *last) % 11);
}

NIH::NIH() : CheckDigitNumber({.separators = " -", .upper_case = false}) {}

bool NIH::AcceptsStemLength(std::size_t length) const {
  return length == kNihStemLength;
}

std::optional<std::int16_t> NIH::ComputeCheckDigit(std::string_view stem) {
  const auto last = LastMod1110Intermediate(stem);
  if (!last) return std::nullopt;
  return kNihCheckDigits[static_cast<std::size_t>(*last % 10)];
}

}  // namespace numerant
