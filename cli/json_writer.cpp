// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include <type_traits>

#include "cli/encoding.h"

namespace numerant::cli {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

void AppendEscapedAscii(std::string& out, char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (byte < 0x20 || byte == 0x7F) {
        out += "\\u00";
        out.push_back(kHex[byte >> 4]);
        out.push_back(kHex[byte & 0xF]);
      } else {
        out.push_back(c);
      }
  }
}

void AppendLatin1AsJsonString(std::string& out, std::string_view latin1) {
  std::string utf8;
  AppendLatin1AsUtf8(utf8, latin1);
  AppendJsonString(out, utf8);
}

// Calls visit(name, value) for each property of the scheme, with `first`
// telling whether a separator is due.
template <typename Visit>
void AppendObject(std::string& out, const Scheme& scheme, Visit&& visit) {
  out.push_back('{');
  bool first = true;
  scheme.VisitProperties([&](std::string_view name, const PropertyValue& value) {
    out += first ? "\"" : ", \"";
    first = false;
    out += name;
    out += "\": ";
    visit(value);
  });
  out.push_back('}');
}

}  // namespace

std::string_view JsonTypeName(JsonType type) {
  switch (type) {
    case JsonType::kBoolean:
      return "boolean";
    case JsonType::kNumber:
      return "number";
    case JsonType::kString:
      break;
  }
  return "string";
}

JsonType DeclaredJsonType(const PropertyValue& value) {
  return std::visit(
      [](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          return JsonType::kBoolean;
        } else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, FieldValue>) {
          return JsonType::kString;
        } else {
          static_assert(std::is_integral_v<T>);
          return JsonType::kNumber;
        }
      },
      value);
}

void AppendJsonString(std::string& out, std::string_view utf8) {
  out.push_back('"');
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      AppendEscapedAscii(out, utf8[i]);
      ++i;
      continue;
    }
    const Utf8Character c = DecodeUtf8(utf8, i);
    if (c.well_formed) {
      out.append(utf8.substr(i, c.length));
    } else {
      out += kReplacementCharacter;
    }
    i += c.length;
  }
  out.push_back('"');
}

void AppendJsonValue(std::string& out, const PropertyValue& value) {
  std::visit(
      [&out](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          out += held ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::string>) {
          AppendLatin1AsJsonString(out, held);
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          if (held.IsString()) {
            AppendLatin1AsJsonString(out, held.Text());
          } else if (held.IsNothing()) {
            out += "null";
          } else {
            out += std::to_string(held.Number());
          }
        } else {
          out += std::to_string(held);
        }
      },
      value);
}

void AppendJsonField(std::string& out, const PropertyValue& value) {
  // Before decoding, a FieldValue holds the integer it was reset to, which
  // stands for "not decoded"; written as a number it would change the
  // member's type from line to line.
  const auto* field = std::get_if<FieldValue>(&value);
  if (field != nullptr && !field->IsString()) {
    out += "null";
  } else {
    AppendJsonValue(out, value);
  }
}

void AppendJsonFields(std::string& out, const Scheme& scheme) {
  AppendObject(out, scheme, [&out](const PropertyValue& value) { AppendJsonField(out, value); });
}

void AppendJsonFieldTypes(std::string& out, const Scheme& fresh_scheme) {
  AppendObject(out, fresh_scheme, [&out](const PropertyValue& value) {
    out.push_back('"');
    out += JsonTypeName(DeclaredJsonType(value));
    out.push_back('"');
  });
}

void AppendJsonLengths(std::string& out, const Lengths& lengths) {
  out.push_back('[');
  bool first = true;
  for (const LengthRange& range : lengths.ranges()) {
    if (!first) out += ", ";
    first = false;
    out += '[' + std::to_string(range.min) + ", ";
    out += range.max == LengthRange::kUnbounded ? "null" : std::to_string(range.max);
    out.push_back(']');
  }
  out.push_back(']');
}

void AppendJsonFinding(std::string& out, const Finding& finding) {
  out += "{\"kind\": ";
  AppendJsonString(out, KindName(finding.kind));
  switch (finding.kind) {
    case Finding::Kind::kWrongLength:
      out += ", \"length\": " + std::to_string(finding.length) + ", \"lengths\": ";
      AppendJsonLengths(out, finding.lengths);
      break;
    case Finding::Kind::kBadCharacter: {
      out += ", \"place\": " + std::to_string(finding.place) + ", \"character\": ";
      std::string character;
      AppendLatin1AsUtf8(character, std::string_view(&finding.character, 1));
      AppendJsonString(out, character);
      break;
    }
    case Finding::Kind::kWrongCheckDigit:
      out += ", \"expected\": ";
      AppendJsonValue(out, PropertyValue(finding.expected));
      out += ", \"found\": ";
      AppendJsonValue(out, PropertyValue(finding.found));
      break;
    case Finding::Kind::kNoSuchDate:
      out += ", \"date\": ";
      AppendJsonString(out, finding.date);
      break;
    case Finding::Kind::kUnknownPrefix:
      out += ", \"found\": ";
      AppendJsonValue(out, PropertyValue(finding.found));
      break;
    case Finding::Kind::kValid:
    case Finding::Kind::kEmpty:
    case Finding::Kind::kNoCheckDigit:
      break;
  }
  out.push_back('}');
}

void AppendJsonShape(std::string& out, const NumberShape& shape) {
  std::string_view kind = "digits";
  switch (shape.check_characters) {
    case CheckCharacters::kDigits:
      break;
    case CheckCharacters::kLetters:
      kind = "letters";
      break;
    case CheckCharacters::kDigitsAndLetters:
      kind = "digits and letters";
      break;
    case CheckCharacters::kAny:
      kind = "any";
      break;
  }
  out += ", \"check_characters\": ";
  AppendJsonString(out, kind);
  out += ", \"check_length\": " + std::to_string(shape.check_length);
  out += ", \"check_place\": ";
  // Counted from 1, as a finding's place is.
  out += shape.check_place == NumberShape::kAtEnd ? "null" : std::to_string(shape.check_place + 1);
  out += ", \"payload_lengths\": ";
  AppendJsonLengths(out, shape.payload_lengths);
  out += ", \"lengths\": ";
  AppendJsonLengths(out, shape.NumberLengths());
}

}  // namespace numerant::cli
