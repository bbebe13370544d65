// SPDX-License-Identifier: MIT
#include "core/field_value.h"

namespace numerant {

std::int32_t FieldValue::Number() const {
  return number_;
}

std::string_view FieldValue::Text() const {
  return text_;
}

std::string FieldValue::ToString() const {
  switch (kind()) {
    case Kind::kNothing:
      return {};
    case Kind::kInteger:
    case Kind::kLong:
      return std::to_string(Number());
    case Kind::kString:
      return std::string(Text());
  }
  return {};
}

}  // namespace numerant
