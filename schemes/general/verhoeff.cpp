#include "schemes/general/verhoeff.h"

#include <algorithm>
#include <array>

#include "shell/text.h"

namespace numerant {
namespace {

using Row = std::array<std::uint8_t, 10>;

// d(j, k): the group operation of D5 in Verhoeff's numbering.
constexpr std::array<Row, 10> kMultiplication{{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 2, 3, 4, 0, 6, 7, 8, 9, 5},
    {2, 3, 4, 0, 1, 7, 8, 9, 5, 6},
    {3, 4, 0, 1, 2, 8, 9, 5, 6, 7},
    {4, 0, 1, 2, 3, 9, 5, 6, 7, 8},
    {5, 9, 8, 7, 6, 0, 4, 3, 2, 1},
    {6, 5, 9, 8, 7, 1, 0, 4, 3, 2},
    {7, 6, 5, 9, 8, 2, 1, 0, 4, 3},
    {8, 7, 6, 5, 9, 3, 2, 1, 0, 4},
    {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
}};

// p(i, x): row 0 is the identity, each further row applies the base
// permutation 0→1 1→5 2→7 3→6 4→2 5→8 6→3 7→0 8→9 9→4 once more.
constexpr std::array<Row, 8> kPermutation{{
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {1, 5, 7, 6, 2, 8, 3, 0, 9, 4},
    {5, 8, 0, 3, 7, 9, 6, 1, 4, 2},
    {8, 9, 1, 6, 0, 4, 3, 5, 2, 7},
    {9, 4, 5, 3, 1, 2, 6, 8, 7, 0},
    {4, 2, 8, 6, 5, 7, 3, 9, 0, 1},
    {2, 7, 9, 3, 8, 0, 6, 4, 1, 5},
    {7, 0, 4, 6, 9, 1, 3, 2, 5, 8},
}};

constexpr Row kInverse{0, 4, 3, 2, 1, 5, 6, 7, 8, 9};

constexpr std::size_t kMaxLength = 32767;

}  // namespace

std::int16_t Verhoeff::Calculate(std::string_view number) {
  std::string reversed = Normalise(number);
  if (!reversed.empty()) {
    reversed.insert(0, 1, ' ');  // placeholder for the check digit
    Compute(reversed);
  }
  return check_digit_;
}

bool Verhoeff::Check(std::string_view number) {
  const std::string reversed = Normalise(number);
  if (reversed.size() < 2 || !Compute(reversed)) return false;
  return DigitMatches(reversed.front(), check_digit_);
}

std::string Verhoeff::Normalise(std::string_view number) {
  check_digit_ = -1;
  std::string text = RemoveSeparators(number, " -");
  std::reverse(text.begin(), text.end());
  return text;
}

bool Verhoeff::Compute(std::string_view reversed) {
  if (reversed.size() > kMaxLength) return false;
  std::uint8_t c = 0;
  // Position 0 is the check-digit place and is never examined.
  for (std::size_t i = 1; i < reversed.size(); ++i) {
    if (!IsDigit(reversed[i])) return false;
    const auto x = static_cast<std::size_t>(DigitValue(reversed[i]));
    c = kMultiplication[c][kPermutation[i % 8][x]];
  }
  check_digit_ = kInverse[c];
  return true;
}

}  // namespace numerant
