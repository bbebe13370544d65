#include "schemes/business/eur.h"

#include <array>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

// Entry i brings a sum of i modulo 9 to 8 modulo 9. A sum already at 8 takes
// 9, not 0.
constexpr std::array<std::int16_t, 9> kCheckDigits{8, 7, 6, 5, 4, 3, 2, 1, 9};

constexpr std::size_t kStemLength = 11;

}  // namespace

EUR::EUR() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool EUR::AcceptsStemLength(std::size_t length) const {
  return length == kStemLength;
}

void EUR::ResetFields() {
  country_code_.clear();
}

std::optional<std::int16_t> EUR::ComputeCheckDigit(std::string_view stem) {
  if (stem.empty() || !IsUpperLetter(stem.front())) return std::nullopt;
  country_code_.assign(1, stem.front());
  // The letter's place in the alphabet, reduced once: "S" (19) counts 10.
  Int16 sum = DigitSum(static_cast<std::uint8_t>(stem.front() - 'A' + 1));
  for (char c : Characters(stem, 2, stem.size())) {
    if (!IsDigit(c)) return std::nullopt;
    sum += DigitValue(c);
  }
  if (!sum.ok()) return std::nullopt;
  return kCheckDigits[static_cast<std::size_t>(sum.value() % 9)];
}

}  // namespace numerant
