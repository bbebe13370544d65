// SPDX-License-Identifier: MIT
// A strict reader of one JSON text, for checking what numerant-cli writes
// with a reader that knows nothing of how it was written: it accepts only
// what RFC 8259 allows, in well-formed UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numerant::cli::harness {

struct Json {
  enum class Type { kNull, kBoolean, kNumber, kString, kArray, kObject };
  Type type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  // Members in the order written.
  std::vector<std::pair<std::string, Json>> members;

  const Json* Find(std::string_view name) const {
    for (const auto& [key, value] : members) {
      if (key == name) return &value;
    }
    return nullptr;
  }
};

inline std::string_view TypeName(Json::Type type) {
  constexpr std::string_view kNames[] = {"null", "boolean", "number", "string", "array", "object"};
  return kNames[static_cast<int>(type)];
}

class JsonReader {
 public:
  // The value of the whole text, or nothing when it is not one JSON value.
  static std::optional<Json> Read(std::string_view text) {
    JsonReader reader(text);
    Json value;
    if (!reader.Value(value, 0)) return std::nullopt;
    reader.Blanks();
    if (reader.at_ != text.size()) return std::nullopt;
    return value;
  }

 private:
  explicit JsonReader(std::string_view text) : text_(text) {}

  bool More() const { return at_ < text_.size(); }
  char Peek() const { return More() ? text_[at_] : '\0'; }
  void Blanks() {
    while (More() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r'))
      ++at_;
  }
  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  bool Value(Json& value, int depth) {
    if (depth > 16) return false;
    Blanks();
    switch (Peek()) {
      case 'n':
        value.type = Json::Type::kNull;
        return Literal("null");
      case 't':
        value.type = Json::Type::kBoolean;
        value.boolean = true;
        return Literal("true");
      case 'f':
        value.type = Json::Type::kBoolean;
        return Literal("false");
      case '"':
        value.type = Json::Type::kString;
        return String(value.text);
      case '[':
        value.type = Json::Type::kArray;
        return Array(value, depth);
      case '{':
        value.type = Json::Type::kObject;
        return Object(value, depth);
      default:
        value.type = Json::Type::kNumber;
        return Number(value.number);
    }
  }

  bool Array(Json& value, int depth) {
    ++at_;
    Blanks();
    if (Peek() == ']') return ++at_, true;
    for (;;) {
      value.items.emplace_back();
      if (!Value(value.items.back(), depth + 1)) return false;
      Blanks();
      if (Peek() == ']') return ++at_, true;
      if (Peek() != ',') return false;
      ++at_;
    }
  }

  bool Object(Json& value, int depth) {
    ++at_;
    Blanks();
    if (Peek() == '}') return ++at_, true;
    for (;;) {
      Blanks();
      std::string key;
      if (Peek() != '"' || !String(key)) return false;
      Blanks();
      if (Peek() != ':') return false;
      ++at_;
      value.members.emplace_back(std::move(key), Json{});
      if (!Value(value.members.back().second, depth + 1)) return false;
      Blanks();
      if (Peek() == '}') return ++at_, true;
      if (Peek() != ',') return false;
      ++at_;
    }
  }

  bool Number(double& number) {
    const std::size_t start = at_;
    if (Peek() == '-') ++at_;
    if (Peek() == '0') {
      ++at_;
    } else if (!Digits()) {
      return false;
    }
    if (Peek() == '.' && (++at_, !Digits())) return false;
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      if (!Digits()) return false;
    }
    number = std::stod(std::string(text_.substr(start, at_ - start)));
    return true;
  }
  bool Digits() {
    const std::size_t start = at_;
    while (Peek() >= '0' && Peek() <= '9')
      ++at_;
    return at_ > start;
  }

  bool String(std::string& out) {
    ++at_;
    while (More()) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') return ++at_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (!Escape(out)) return false;
      } else if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        ++at_;
      } else if (!Utf8(out)) {
        return false;
      }
    }
    return false;
  }

  bool Escape(std::string& out) {
    ++at_;
    const char c = Peek();
    ++at_;
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out.push_back(c);
        return true;
      case 'b':
        out.push_back('\b');
        return true;
      case 'f':
        out.push_back('\f');
        return true;
      case 'n':
        out.push_back('\n');
        return true;
      case 'r':
        out.push_back('\r');
        return true;
      case 't':
        out.push_back('\t');
        return true;
      case 'u': {
        // Only what the tests need: code points below U+0080.
        if (at_ + 4 > text_.size()) return false;
        const unsigned long code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
        at_ += 4;
        if (code >= 0x80) return false;
        out.push_back(static_cast<char>(code));
        return true;
      }
      default:
        return false;
    }
  }

  // One well-formed UTF-8 sequence of two to four bytes, copied as it is.
  bool Utf8(std::string& out) {
    const auto lead = static_cast<unsigned char>(text_[at_]);
    std::size_t length;
    std::uint32_t code;
    std::uint32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
      return false;
    }
    if (at_ + length > text_.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text_[at_ + i]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    out.append(text_.substr(at_, length));
    at_ += length;
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// Each line of the text read as JSON; an unreadable line gives nothing in its
// place.
inline std::vector<std::optional<Json>> ReadJsonLines(std::string_view text) {
  std::vector<std::optional<Json>> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(JsonReader::Read(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace numerant::cli::harness
