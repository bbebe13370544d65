#include "schemes/articles/acl_bol_opc.h"

#include "core/characters.h"
#include "core/text.h"

namespace numerant {

void ACL::ResetFields() {
  category_code_ = 0;
  prefix_code_ = std::int16_t{0};
}

// The category is the fifth character read as a digit; a stem whose fifth
// character is none cannot be read and fails before the prefix is cut.
bool ACL::Prepare(std::string& stem) {
  const std::string_view category = Characters(stem, 5, 5);
  if (category.empty() || !IsDigit(category.front())) return false;
  category_code_ = static_cast<std::uint8_t>(DigitValue(category.front()));
  prefix_code_ = Characters(stem, 1, 4);
  return true;
}

void OPC::ResetFields() {
  manufacturer_code_ = std::int16_t{0};
  product_code_ = std::int16_t{0};
}

bool OPC::Prepare(std::string& stem) {
  manufacturer_code_ = Characters(stem, 1, 5);
  product_code_ = Characters(stem, 6, 9);
  return true;
}

}  // namespace numerant
