#include "cli/json_writer.h"

#include <type_traits>

#include "cli/encoding.h"

namespace numerant::cli {

void AppendJsonString(std::string& out, std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  out.push_back('"');
  for (char c : utf8) {
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
  out.push_back('"');
}

void AppendJsonValue(std::string& out, const PropertyValue& value) {
  std::visit(
      [&out](const auto& held) {
        using T = std::decay_t<decltype(held)>;
        if constexpr (std::is_same_v<T, bool>) {
          out += held ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::string>) {
          std::string utf8;
          AppendLatin1AsUtf8(utf8, held);
          AppendJsonString(out, utf8);
        } else if constexpr (std::is_same_v<T, FieldValue>) {
          if (held.IsNothing()) {
            out += "null";
          } else if (held.IsString()) {
            AppendJsonValue(out, PropertyValue(std::string(held.Text())));
          } else {
            out += std::to_string(held.Number());
          }
        } else {
          out += std::to_string(held);
        }
      },
      value);
}

}  // namespace numerant::cli
