#include "schemes/articles/grid.h"

#include <cstdint>

#include "shell/checked.h"
#include "shell/text.h"

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

std::string GRid::Calculate(std::string_view code) {
  const std::string payload = Normalise(code);
  if (payload.size() == kPayloadLength) Compute(payload);
  return check_digit_;
}

bool GRid::Check(std::string_view code) {
  const std::string text = Normalise(code);
  if (text.size() != kPayloadLength + 1) return false;
  const std::string_view whole(text);
  if (!Compute(whole.substr(0, kPayloadLength))) return false;
  return check_digit_ == whole.substr(kPayloadLength);
}

std::string GRid::Normalise(std::string_view code) {
  check_digit_.clear();
  identifier_scheme_.clear();
  issue_code_.clear();
  release_number_.clear();
  std::string text = RemoveSeparators(code, " -");
  ToUpperInPlace(text);
  return text;
}

bool GRid::Compute(std::string_view payload) {
  if (payload.size() != kPayloadLength) return false;
  // Cut before any character is tested, so a rejected identifier still shows
  // its parts.
  identifier_scheme_ = payload.substr(0, 2);
  issue_code_ = payload.substr(2, 5);
  release_number_ = payload.substr(7, 10);

  // Starting at 18 makes the first product 2 x 18 mod 37 = 36.
  Int16 previous = 18;
  for (char c : payload) {
    const int value = CharacterValue(c);
    if (value < 0) return false;
    Int16 t = (Int16(value) + previous * 2 % 37) % 36;
    if (t.value() == 0) t = 36;
    previous = t;
  }
  const Int16 product = previous * 2 % 37;
  if (!product.ok() || product.value() < 1) return false;
  check_digit_.assign(1, kCheckCharacters[static_cast<std::size_t>(product.value() - 1)]);
  return true;
}

}  // namespace numerant
