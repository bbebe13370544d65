#include "schemes/articles/grid.h"

#include <cstdint>

#include "core/characters.h"
#include "core/checked.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 17;

// The check character for a final product p from 1 to 36: the character
// whose value is (37 - p) mod 36. Position 0 stands for p = 1.
constexpr std::string_view kCheckCharacters = "0ZYXWVUTSRQPONMLKJIHGFEDCBA987654321";

// "0" to "9" count 0 to 9, "A" to "Z" 10 to 35; -1 for anything else.
int CharacterValue(char c) {
  if (IsDigit(c)) return DigitValue(c);
  if (IsUpperLetter(c)) return c - 'A' + 10;
  return -1;
}

}  // namespace

GRid::GRid() : CheckDigitNumber({.separators = " -", .upper_case = true}) {}

bool GRid::AcceptsStemLength(std::size_t length) const {
  return length == kPayloadLength;
}

void GRid::ResetFields() {
  identifier_scheme_.clear();
  issue_code_.clear();
  release_number_.clear();
}

std::optional<std::string> GRid::ComputeCheckDigit(std::string_view payload) {
  // Cut before any character is tested, so a rejected identifier still shows
  // its parts.
  identifier_scheme_ = Characters(payload, 1, 2);
  issue_code_ = Characters(payload, 3, 7);
  release_number_ = Characters(payload, 8, 17);

  // Starting at 18 makes the first product 2 x 18 mod 37 = 36.
  Int16 previous = 18;
  for (char c : payload) {
    const int value = CharacterValue(c);
    if (value < 0) return std::nullopt;
    Int16 t = (Int16(value) + previous * 2 % 37) % 36;
    if (t.value() == 0) t = 36;
    previous = t;
  }
  const Int16 product = previous * 2 % 37;
  if (!product.ok() || product.value() < 1) return std::nullopt;
  return std::string(1, kCheckCharacters[static_cast<std::size_t>(product.value() - 1)]);
}

}  // namespace numerant
