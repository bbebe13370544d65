// SPDX-License-Identifier: MIT
#include "cli/json_writer.h"

#include <type_traits>

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

void AppendJsonContent(std::string& out, const FieldContent& value) {
  std::visit(
      [&out](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          out += "null";
        } else if constexpr (std::is_same_v<T, bool>) {
          out += held ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::string>) {
          AppendJsonString(out, held);
        } else {
          out += std::to_string(held);
        }
      },
      value);
}

// Appends {"Name": ..., ...} with what `write` writes of each field record.
template <typename Write>
void AppendObject(std::string& out, const Scheme& scheme, Write&& write) {
  out.push_back('{');
  bool first = true;
  for (const FieldRecord& field : RecordFields(scheme)) {
    out += first ? "\"" : ", \"";
    first = false;
    out += field.name;
    out += "\": ";
    write(field);
  }
  out.push_back('}');
}

}  // namespace

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

void AppendJsonText(std::string& out, std::string_view latin1) {
  AppendJsonString(out, Utf8FromLatin1(latin1));
}

void AppendJsonFields(std::string& out, const Scheme& scheme) {
  AppendObject(out, scheme,
               [&out](const FieldRecord& field) { AppendJsonContent(out, field.value); });
}

void AppendJsonFieldTypes(std::string& out, const Scheme& fresh_scheme) {
  AppendObject(out, fresh_scheme, [&out](const FieldRecord& field) {
    AppendJsonString(out, JsonTypeName(field.type));
  });
}

void AppendJsonLengths(std::string& out, const std::vector<LengthPair>& lengths) {
  out.push_back('[');
  bool first = true;
  for (const LengthPair& pair : lengths) {
    if (!first) out += ", ";
    first = false;
    out += '[' + std::to_string(pair.min) + ", ";
    out += pair.max ? std::to_string(*pair.max) : "null";
    out.push_back(']');
  }
  out.push_back(']');
}

void AppendJsonFinding(std::string& out, const FindingRecord& finding) {
  out += "{\"kind\": ";
  AppendJsonString(out, finding.kind);
  if (finding.length) out += ", \"length\": " + std::to_string(*finding.length);
  if (finding.lengths) {
    out += ", \"lengths\": ";
    AppendJsonLengths(out, *finding.lengths);
  }
  if (finding.place) out += ", \"place\": " + std::to_string(*finding.place);
  if (finding.character) {
    out += ", \"character\": ";
    AppendJsonString(out, *finding.character);
  }
  if (finding.expected) {
    out += ", \"expected\": ";
    AppendJsonString(out, *finding.expected);
  }
  if (finding.found) {
    out += ", \"found\": ";
    AppendJsonString(out, *finding.found);
  }
  if (finding.date) {
    out += ", \"date\": ";
    AppendJsonString(out, *finding.date);
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
  AppendJsonLengths(out, RecordLengths(shape.payload_lengths));
  out += ", \"lengths\": ";
  AppendJsonLengths(out, RecordLengths(shape.NumberLengths()));
}

}  // namespace numerant::cli
