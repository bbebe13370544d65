// Just enough JSON for one object per line.
//
// Every member of a scheme's "fields" keeps one JSON type from line to line:
// the type of what the property holds once a number has been decoded. That
// type follows from the property's alternative of `PropertyValue` alone, so
// a fresh scheme object tells the types of all its fields.
#pragma once

#include <string>
#include <string_view>

#include "core/scheme.h"

namespace numerant::cli {

enum class JsonType { kBoolean, kNumber, kString };

// "boolean", "number" or "string".
std::string_view JsonTypeName(JsonType type);

// The declared type of a property: a bool is a boolean, a byte, integer or
// long a number, and a string a string. A FieldValue is a string too: it
// holds an integer only until a number has been decoded (0, or -1 for a
// check digit), and a piece of the number's text afterwards.
JsonType DeclaredJsonType(const PropertyValue& value);

// Appends a JSON string literal of UTF-8 text. A byte that starts no
// well-formed UTF-8 sequence is written as U+FFFD, so the line stays valid
// UTF-8 whatever came in.
void AppendJsonString(std::string& out, std::string_view utf8);

// Appends a property value as what it holds: numbers as numbers, booleans
// as true or false, strings (ISO-8859-1, written as UTF-8) as strings, and a
// FieldValue as a number, a string or null by what it holds at the moment.
// Tells the integer 0 of a field not yet read from the text "0" of one read.
void AppendJsonValue(std::string& out, const PropertyValue& value);

// Appends a property value in its declared type: as AppendJsonValue, but a
// FieldValue that holds no string is null.
void AppendJsonField(std::string& out, const PropertyValue& value);

// Appends {"Name": value, ...} with every public property of the scheme.
void AppendJsonFields(std::string& out, const Scheme& scheme);

// Appends a finding as {"kind": ..., "expected": ..., "found": ..., "place":
// ..., "character": ..., "length": ..., "lengths": [[min, max], ...]}, with
// the members that apply to its kind; max is null for no upper end.
void AppendJsonFinding(std::string& out, const Finding& finding);

// Appends [[min, max], ...].
void AppendJsonLengths(std::string& out, const Lengths& lengths);

// Appends "check_characters", "check_length", "check_place", "payload_lengths"
// and "lengths" of a shape as members of an object, each after ", ".
void AppendJsonShape(std::string& out, const NumberShape& shape);

// Appends {"Name": "type", ...}: the declared type of every public property
// of a fresh object of the scheme.
void AppendJsonFieldTypes(std::string& out, const Scheme& fresh_scheme);

}  // namespace numerant::cli
