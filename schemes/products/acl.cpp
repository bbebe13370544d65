// SPDX-License-Identifier: MIT
#include "schemes/products/acl.h"

#include <cstddef>

#include "core/characters.h"
#include "core/text.h"

namespace numerant {
namespace {

// The category is the fifth character, place 4 counted from 0.
constexpr std::size_t kCategoryPlace = 4;

}  // namespace

ACL::ACL() : Modulo10Number(Lengths::Exactly(12)) {}

// The category is the fifth character read as a digit; a payload whose
// fifth character is none cannot be read and fails before the prefix is cut.
bool ACL::DecodeFields(std::string_view payload) {
  const char category = payload[kCategoryPlace];
  if (!IsDigit(category)) {
    RejectCharacter(kCategoryPlace);
    return false;
  }
  fields_.category_code = static_cast<std::uint8_t>(DigitValue(category));
  fields_.prefix_code = Characters(payload, 1, 4);
  return true;
}

}  // namespace numerant
