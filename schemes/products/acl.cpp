// SPDX-License-Identifier: MIT
#include "schemes/products/acl.h"

#include <cstddef>

#include "core/alternating_weights.h"
#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

constexpr std::size_t kPayloadLength = 12;
// The category is the fifth character, place 4 counted from 0.
constexpr std::size_t kCategoryPlace = 4;

}  // namespace

ACL::ACL()
    : CheckDigitNumber({.separators = " -", .payload_lengths = Lengths::Exactly(kPayloadLength)}) {}

// The category is the fifth character read as a digit; a payload whose
// fifth character is none cannot be read and fails before the prefix is cut.
std::optional<std::int16_t> ACL::ComputeCheckDigit(std::string_view payload) {
  const char category = payload[kCategoryPlace];
  if (!IsDigit(category)) return RejectCharacter(kCategoryPlace);
  fields_.category_code = static_cast<std::uint8_t>(DigitValue(category));
  fields_.prefix_code = Characters(payload, 1, 4);
  if (auto check_digit = Modulo10CheckDigit(payload)) return check_digit;
  return RejectNonDigit(payload);
}

}  // namespace numerant
