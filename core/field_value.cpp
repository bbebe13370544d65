#include "core/field_value.h"

namespace numerant {

std::int32_t FieldValue::Number() const {
  if (const auto* integer = std::get_if<std::int16_t>(&value_)) return *integer;
  if (const auto* long_value = std::get_if<std::int32_t>(&value_)) return *long_value;
  return 0;
}

std::string_view FieldValue::Text() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return *text;
  return {};
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
