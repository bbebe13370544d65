// Just enough JSON for one object per line.
#pragma once

#include <string>
#include <string_view>

#include "core/scheme.h"

namespace numerant::cli {

// Appends a JSON string literal of UTF-8 text.
void AppendJsonString(std::string& out, std::string_view utf8);

// Appends a property value: numbers as numbers, booleans as true or false,
// strings (ISO-8859-1, written as UTF-8) as strings, and a FieldValue as a
// number, a string or null by what it holds.
void AppendJsonValue(std::string& out, const PropertyValue& value);

}  // namespace numerant::cli
