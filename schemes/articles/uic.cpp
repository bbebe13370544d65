#include "schemes/articles/uic.h"

#include "core/characters.h"

namespace numerant {

void UIC::ResetFields() {
  country_code_ = std::int16_t{0};
  serial_number_ = std::int16_t{0};
  type_code_ = std::int16_t{0};
  type_number_ = std::int16_t{0};
}

// Cut before the digits are tested, so a rejected number still shows its
// parts. No upper-casing: only digits are accepted anyway.
bool UIC::Prepare(std::string& payload) {
  type_code_ = Characters(payload, 1, 2);
  country_code_ = Characters(payload, 3, 4);
  type_number_ = Characters(payload, 5, 8);
  serial_number_ = Characters(payload, 9, 11);
  return true;
}

}  // namespace numerant
